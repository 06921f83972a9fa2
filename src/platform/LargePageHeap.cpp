#include "platform/LargePageHeap.h"

// Any C library header defines __GLIBC__, which the check below needs.
#include <cstdint>
#include <cstdlib>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace LargePageHeap {

#if defined(__linux__) && defined(__GLIBC__)

long reserve()
{
    constexpr std::uintptr_t HugePage = 2u << 20;
    // Pictures and the backing store come from the heap instead of a mapping of their own each,
    // and freeing them does not hand the reserve back to the kernel. 32 MiB is as far as the C
    // library would raise its own threshold once large blocks come and go.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 2 * ReservedBytes);
    // Two heaps: the interface thread's, and one that the helper threads (fonts, sound,
    // landmarks) share instead of mapping one each. The font helper allocates as busily as the
    // interface thread while both start up; on one heap they took turns at its lock.
    mallopt(M_ARENA_MAX, 2);

    // A huge page is only used where nothing of its range is in memory yet. The C library writes
    // a chunk header where the reserve starts, so end the heap just short of a huge-page boundary:
    // the header lands below it and the reserve's huge pages start out untouched. The skipped
    // bytes are taken for someone else's and left alone; never touched, they cost no memory.
    constexpr std::uintptr_t HeaderRoom = 64;
    const auto heapEnd = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t gap = ((heapEnd + HeaderRoom + HugePage - 1) & ~(HugePage - 1)) - HeaderRoom - heapEnd;
    if (gap > 0 && sbrk(std::intptr_t(gap)) == reinterpret_cast<void *>(-1))
        return 0;

    // Grow the heap by the reserve at once: a block taken and given back stays as free space at
    // its top. The volatile keeps the compiler from dropping the pair.
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    void *volatile block = std::malloc(ReservedBytes);
    std::free(block);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));

    // Only whole huge pages inside what the heap grew by; the kernel keeps the advice with the range.
    const std::uintptr_t first = (before + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t last = after & ~(HugePage - 1);
    if (last <= first)
        return 0;
    if (madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE) != 0)
        return 0;
    return long(last - first);
}

#else

long reserve()
{
    return 0;
}

#endif

} // namespace LargePageHeap
