#include "platform/LargePageHeap.h"

#include <QFile>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>
#include <unistd.h>

// Runs in its own process, so the reserve is taken once, as main() takes it.
class TestLargePageHeap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    // First: it needs the reserve untouched.
    void theFirstBlockIsServedInHugePages();
    void blocksOfTheFirstScreenComeFromTheMarkedHeap_data();
    void blocksOfTheFirstScreenComeFromTheMarkedHeap();
    void aHelperThreadKeepsOffTheInterfaceHeap();
    void givingBackABlockKeepsTheReserve();

private:
    long m_marked = 0;
};

namespace {

constexpr char HelperHeapProbe[] = "--probe-helper-heap";

bool sanitizerOwnsTheHeap()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

// What the kernel tells of the mapping that holds address: its "Name: value" lines, and under
// "Path" what its first line names ("[heap]" for the heap that grows from the program's data).
QMap<QByteArray, QByteArray> mappingDetails(const void *address)
{
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    const auto wanted = reinterpret_cast<quintptr>(address);
    bool inside = false;
    QMap<QByteArray, QByteArray> details;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        // A mapping starts with its range, "start-end perms ..."; its details follow.
        const QByteArray range = line.left(line.indexOf(' '));
        const int dash = range.indexOf('-');
        bool startOk = false;
        bool endOk = false;
        const quintptr start = range.left(dash).toULongLong(&startOk, 16);
        const quintptr end = range.mid(dash + 1).toULongLong(&endOk, 16);
        if (dash > 0 && startOk && endOk) {
            if (inside)
                break;
            inside = start <= wanted && wanted < end;
            if (inside)
                details.insert("Path", line.simplified().split(' ').value(5));
        } else if (inside && line.contains(':')) {
            const int colon = line.indexOf(':');
            details.insert(line.left(colon), line.mid(colon + 1).simplified());
        }
    }
    return details;
}

// Allocates count blocks of the given size and tells, for each, whether its middle lies in a
// mapping marked for huge pages ("hg" among the kernel's flags for it).
QList<bool> blocksMarked(long bytes, int count)
{
    std::vector<char *> blocks;
    for (int i = 0; i < count; ++i) {
        blocks.push_back(static_cast<char *>(std::malloc(size_t(bytes))));
        if (blocks.back())
            blocks.back()[bytes / 2] = 1;
    }
    QList<bool> marked;
    for (char *block : blocks)
        marked.append(block && mappingDetails(block + bytes / 2).value("VmFlags").split(' ').contains("hg"));
    for (char *block : blocks)
        std::free(block);
    return marked;
}

bool kernelGivesHugePages()
{
    QFile setting(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return setting.open(QIODevice::ReadOnly) && !setting.readAll().contains("[never]");
}

} // namespace

void TestLargePageHeap::initTestCase()
{
    if (sanitizerOwnsTheHeap())
        QSKIP("the sanitizer's allocator keeps its own heap");
    m_marked = LargePageHeap::reserve();
    // Of the 16 MiB the heap grows by, all but the partial huge pages at its two ends are marked.
    QVERIFY2(m_marked >= LargePageHeap::ReservedBytes - (4L << 20), QByteArray::number(qlonglong(m_marked)));
    QCOMPARE(m_marked % (2L << 20), 0L);
}

void TestLargePageHeap::blocksOfTheFirstScreenComeFromTheMarkedHeap_data()
{
    QTest::addColumn<long>("bytes");
    QTest::addColumn<int>("count");
    // Decoded faces and the window's backing store; one photograph at full size.
    QTest::newRow("seven of 1.1 MiB") << (1100L << 10) << 7;
    QTest::newRow("one of 6 MiB") << (6L << 20) << 1;
}

void TestLargePageHeap::blocksOfTheFirstScreenComeFromTheMarkedHeap()
{
    QFETCH(long, bytes);
    QFETCH(int, count);
    // The reserve begins on a huge-page boundary, so every block of the start-up is marked.
    QCOMPARE(blocksMarked(bytes, count), QList<bool>(count, true));
}

void TestLargePageHeap::aHelperThreadKeepsOffTheInterfaceHeap()
{
    // The test framework has threads of its own by now; the probe starts as main() does, with
    // the reserve and then the font helper as the first other thread.
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(HelperHeapProbe)});
    QVERIFY(probe.waitForFinished(10000));
    QCOMPARE(probe.exitCode(), 0);
    // The helper allocates busily while the interface thread starts up: from a heap of its own
    // it never waits for the interface thread's heap lock.
    const QByteArray helpersHeap = probe.readAllStandardOutput();
    QVERIFY(!helpersHeap.isEmpty());
    QVERIFY2(helpersHeap != "[heap]", helpersHeap.constData());
}

void TestLargePageHeap::theFirstBlockIsServedInHugePages()
{
    if (!kernelGivesHugePages())
        QSKIP("this kernel gives no transparent huge pages");
    // Touching the first pages of the reserve must fault in a whole huge page, which needs its
    // range untouched until then: the C library's own bookkeeping must stay below the boundary.
    // Nothing else of the reserve is touched yet, so any huge page in it is this one.
    constexpr size_t Bytes = 1u << 20;
    char *block = static_cast<char *>(std::malloc(Bytes));
    QVERIFY(block);
    for (size_t at = 0; at < Bytes; at += 4096)
        block[at] = 1;
    // The block starts just below the boundary, with the C library's header; its bulk lies above.
    const QByteArray huge = mappingDetails(block + Bytes / 2).value("AnonHugePages");
    std::free(block);
    QVERIFY2(huge.split(' ').value(0).toLong() >= 2048, huge.constData());
}

void TestLargePageHeap::givingBackABlockKeepsTheReserve()
{
    void *const top = sbrk(0);
    void *volatile block = std::malloc(size_t(8L << 20));
    QVERIFY(block);
    std::free(block);
    // The C library trims the heap above its threshold; the reserve stays below it.
    QCOMPARE(sbrk(0), top);
}

namespace {

// Prints the name of the mapping that a block of the first helper thread lies in.
int probeHelperHeap()
{
    LargePageHeap::reserve();
    std::thread([] {
        void *volatile block = std::malloc(64);
        const QByteArray path = mappingDetails(block).value("Path", "(none)");
        std::free(block);
        std::fputs(path.isEmpty() ? "(anonymous)" : path.constData(), stdout);
    }).join();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], HelperHeapProbe) == 0)
        return probeHelperHeap();
    QCoreApplication application(argc, argv);
    TestLargePageHeap test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_large_page_heap.moc"
