#include "platform/LargePageHeap.h"

#include <QFile>
#include <QTest>

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
    void blocksOfTheFirstScreenComeFromTheMarkedHeap_data();
    void blocksOfTheFirstScreenComeFromTheMarkedHeap();
    void givingBackABlockKeepsTheReserve();
    void otherThreadsAllocateFromTheReserveToo();

private:
    long m_marked = 0;
};

namespace {

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

// The flags the kernel shows for the mapping that holds address: "hg" marks huge-page advice.
QByteArrayList mappingFlags(const void *address)
{
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    const auto wanted = reinterpret_cast<quintptr>(address);
    bool inside = false;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        // A mapping starts with its range, "start-end perms ..."; its details follow as "Name: value".
        const QByteArray range = line.left(line.indexOf(' '));
        const int dash = range.indexOf('-');
        bool startOk = false;
        bool endOk = false;
        const quintptr start = range.left(dash).toULongLong(&startOk, 16);
        const quintptr end = range.mid(dash + 1).toULongLong(&endOk, 16);
        if (dash > 0 && startOk && endOk)
            inside = start <= wanted && wanted < end;
        else if (inside && line.startsWith("VmFlags:"))
            return line.mid(8).simplified().split(' ');
    }
    return {};
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
    // Decoded faces and the window's backing store; then one photograph at full size.
    QTest::newRow("seven of 1.1 MiB") << (1100L << 10) << 7;
    QTest::newRow("one of 6 MiB") << (6L << 20) << 1;
}

void TestLargePageHeap::blocksOfTheFirstScreenComeFromTheMarkedHeap()
{
    QFETCH(long, bytes);
    QFETCH(int, count);
    std::vector<char *> blocks;
    for (int i = 0; i < count; ++i) {
        blocks.push_back(static_cast<char *>(std::malloc(size_t(bytes))));
        QVERIFY(blocks.back());
        blocks.back()[bytes / 2] = 1;
    }
    // The reserve begins where the heap ended, which is rarely on a huge-page boundary: the
    // first 2 MiB of it are ordinary pages. Whatever lies beyond them must be marked.
    std::vector<QByteArrayList> flags;
    for (char *block : blocks)
        flags.push_back(mappingFlags(block + bytes / 2));
    for (char *block : blocks)
        std::free(block);
    const size_t firstMarked = bytes >= (2L << 20) ? 0 : size_t((2L << 20) / bytes + 1);
    for (size_t i = firstMarked; i < flags.size(); ++i) {
        QVERIFY2(!flags[i].isEmpty(), "a block lies in no mapping the kernel lists");
        QVERIFY2(flags[i].contains("hg"), QByteArray(QByteArray::number(qulonglong(i)) + ": " + flags[i].join(' ')));
    }
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

void TestLargePageHeap::otherThreadsAllocateFromTheReserveToo()
{
    // Far enough into the reserve to be past its first, unmarked, huge page.
    constexpr size_t Bytes = 6u << 20;
    QByteArrayList flags;
    std::thread helper([&flags] {
        char *block = static_cast<char *>(std::malloc(Bytes));
        if (!block)
            return;
        block[Bytes / 2] = 1;
        flags = mappingFlags(block + Bytes / 2);
        std::free(block);
    });
    helper.join();
    QVERIFY2(flags.contains("hg"), flags.join(' '));
}

QTEST_GUILESS_MAIN(TestLargePageHeap)
#include "tst_large_page_heap.moc"
