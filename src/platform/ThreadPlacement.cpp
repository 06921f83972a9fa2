#include "platform/ThreadPlacement.h"

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace ThreadPlacement {

#if defined(__linux__)

int keepOffCallersCore(std::thread &helper)
{
    if (!helper.joinable())
        return -1;
    const int callersCore = sched_getcpu();
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    // Fails where the machine has more cores than the set can name; the helper then stays as it is.
    if (callersCore < 0 || callersCore >= CPU_SETSIZE || sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return -1;
    CPU_CLR(callersCore, &allowed);
    if (CPU_COUNT(&allowed) == 0)
        return -1;
    if (pthread_setaffinity_np(helper.native_handle(), sizeof allowed, &allowed) != 0)
        return -1;
    return callersCore;
}

void allowCallersCores(std::thread &helper)
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (helper.joinable() && sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        pthread_setaffinity_np(helper.native_handle(), sizeof allowed, &allowed);
}

#else

int keepOffCallersCore(std::thread &)
{
    return -1;
}

void allowCallersCores(std::thread &) {}

#endif

} // namespace ThreadPlacement
