#include "platform/ThreadPlacement.h"

#include <QTest>

#include <atomic>
#include <pthread.h>
#include <sched.h>

// A helper thread that waits until released, then tells which core it ran on.
class WaitingHelper
{
public:
    WaitingHelper()
        : thread([this] {
              while (!released.load())
                  std::this_thread::yield();
              coreSeen = sched_getcpu();
          })
    {
    }
    ~WaitingHelper() { finish(); }

    int finish()
    {
        released = true;
        if (thread.joinable())
            thread.join();
        return coreSeen;
    }

    cpu_set_t cores()
    {
        cpu_set_t set;
        CPU_ZERO(&set);
        pthread_getaffinity_np(thread.native_handle(), sizeof set, &set);
        return set;
    }

    std::atomic<bool> released{false};
    int coreSeen = -1;
    std::thread thread;
};

class TestThreadPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theHelperRunsOnAnotherCore();
    void aWaitedForHelperMayUseEveryCoreAgain();
    void withOneCoreTheHelperIsLeftAsItWas();
    void aFinishedThreadIsLeftAlone();
};

namespace {

cpu_set_t processCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    return set;
}

} // namespace

void TestThreadPlacement::theHelperRunsOnAnotherCore()
{
    cpu_set_t allowed = processCores();
    if (CPU_COUNT(&allowed) < 2)
        QSKIP("this machine lets the test run on one core only");
    WaitingHelper helper;
    const int keptOff = ThreadPlacement::keepOffCallersCore(helper.thread);
    QVERIFY(keptOff >= 0);
    QVERIFY(CPU_ISSET(keptOff, &allowed));
    cpu_set_t helpersCores = helper.cores();
    QVERIFY(!CPU_ISSET(keptOff, &helpersCores));
    // Every other core the process may use stays open to the helper.
    CPU_CLR(keptOff, &allowed);
    QVERIFY(CPU_EQUAL(&helpersCores, &allowed));
    const int ranOn = helper.finish();
    QVERIFY(ranOn != keptOff);
}

void TestThreadPlacement::aWaitedForHelperMayUseEveryCoreAgain()
{
    cpu_set_t allowed = processCores();
    if (CPU_COUNT(&allowed) < 2)
        QSKIP("this machine lets the test run on one core only");
    WaitingHelper helper;
    QVERIFY(ThreadPlacement::keepOffCallersCore(helper.thread) >= 0);
    ThreadPlacement::allowCallersCores(helper.thread);
    cpu_set_t helpersCores = helper.cores();
    QVERIFY(CPU_EQUAL(&helpersCores, &allowed));
}

void TestThreadPlacement::withOneCoreTheHelperIsLeftAsItWas()
{
    const cpu_set_t before = processCores();
    const int core = sched_getcpu();
    QVERIFY(core >= 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(core, &one);
    QCOMPARE(sched_setaffinity(0, sizeof one, &one), 0);
    int keptOff = 0;
    cpu_set_t helpersCores;
    {
        // A thread inherits its creator's cores: this helper has that single one.
        WaitingHelper helper;
        keptOff = ThreadPlacement::keepOffCallersCore(helper.thread);
        helpersCores = helper.cores();
    }
    sched_setaffinity(0, sizeof before, &before);
    QCOMPARE(keptOff, -1);
    QVERIFY(CPU_EQUAL(&helpersCores, &one));
}

void TestThreadPlacement::aFinishedThreadIsLeftAlone()
{
    std::thread joined([] {});
    joined.join();
    QCOMPARE(ThreadPlacement::keepOffCallersCore(joined), -1);
}

QTEST_GUILESS_MAIN(TestThreadPlacement)
#include "tst_thread_placement.moc"
