#include "platform/ThreadPlacement.h"

#include <QTest>

#include <atomic>
#include <pthread.h>
#include <sched.h>

class TestThreadPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theHelperRunsOffTheCallersCoreUntilWaitedFor();
    void withOneCoreOrNoThreadNothingChanges();
};

namespace {

// A helper that spins until the test ends, however it ends.
struct SpinningHelper
{
    std::atomic<bool> released{false};
    std::thread thread{[this] {
        while (!released)
            std::this_thread::yield();
    }};
    ~SpinningHelper()
    {
        released = true;
        thread.join();
    }
};

cpu_set_t coresOf(pthread_t thread)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    pthread_getaffinity_np(thread, sizeof set, &set);
    return set;
}

} // namespace

void TestThreadPlacement::theHelperRunsOffTheCallersCoreUntilWaitedFor()
{
    cpu_set_t allowed = coresOf(pthread_self());
    if (CPU_COUNT(&allowed) < 2)
        QSKIP("this machine lets the test run on one core only");
    SpinningHelper helper;
    const int keptOff = ThreadPlacement::keepOffCallersCore(helper.thread);
    QVERIFY(keptOff >= 0 && CPU_ISSET(keptOff, &allowed));
    // Every other core the process may use stays open to the helper.
    cpu_set_t others = allowed;
    CPU_CLR(keptOff, &others);
    cpu_set_t helpersCores = coresOf(helper.thread.native_handle());
    QVERIFY(CPU_EQUAL(&helpersCores, &others));
    // About to wait for it, the caller opens its own core to the helper again.
    ThreadPlacement::allowCallersCores(helper.thread);
    helpersCores = coresOf(helper.thread.native_handle());
    QVERIFY(CPU_EQUAL(&helpersCores, &allowed));
}

void TestThreadPlacement::withOneCoreOrNoThreadNothingChanges()
{
    std::thread joined([] {});
    joined.join();
    QCOMPARE(ThreadPlacement::keepOffCallersCore(joined), -1);

    const cpu_set_t before = coresOf(pthread_self());
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    QCOMPARE(sched_setaffinity(0, sizeof one, &one), 0);
    // A thread inherits its creator's cores: this helper has that single one, and keeps it.
    int keptOff = 0;
    cpu_set_t helpersCores;
    {
        SpinningHelper helper;
        keptOff = ThreadPlacement::keepOffCallersCore(helper.thread);
        helpersCores = coresOf(helper.thread.native_handle());
    }
    sched_setaffinity(0, sizeof before, &before);
    QCOMPARE(keptOff, -1);
    QVERIFY(CPU_EQUAL(&helpersCores, &one));
}

QTEST_GUILESS_MAIN(TestThreadPlacement)
#include "tst_thread_placement.moc"
