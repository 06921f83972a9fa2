#include "platform/system/DpiScale.h"

#include <QTest>

class TestDpiScale : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileToScreenRoundsHalfToEven_data();
    void fileToScreenRoundsHalfToEven();
    void screenToFileRoundsHalfToEven_data();
    void screenToFileRoundsHalfToEven();
};

void TestDpiScale::fileToScreenRoundsHalfToEven_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<qint64>("scale");
    QTest::addColumn<int>("screen");
    QTest::newRow("96 keeps 101") << 101 << qint64(10000) << 101;
    QTest::newRow("120: 101 -> 126.25") << 101 << qint64(12500) << 126;
    QTest::newRow("120: 2 -> 2.5 even") << 2 << qint64(12500) << 2;
    QTest::newRow("120: 6 -> 7.5 even") << 6 << qint64(12500) << 8;
    QTest::newRow("120: 30 -> 37.5 even") << 30 << qint64(12500) << 38;
    QTest::newRow("120: 40 -> 50") << 40 << qint64(12500) << 50;
    QTest::newRow("120: 57 -> 71.25") << 57 << qint64(12500) << 71;
    QTest::newRow("120: 41 -> 51.25") << 41 << qint64(12500) << 51;
    QTest::newRow("144: 55 -> 82.5 even") << 55 << qint64(15000) << 82;
    QTest::newRow("144: 57 -> 85.5 even") << 57 << qint64(15000) << 86;
    QTest::newRow("negative half") << -3 << qint64(15000) << -4;
    QTest::newRow("negative 120") << -2 << qint64(12500) << -2;
}

void TestDpiScale::fileToScreenRoundsHalfToEven()
{
    QFETCH(int, value);
    QFETCH(qint64, scale);
    QFETCH(int, screen);
    QCOMPARE(Dpi::fileToScreen(value, scale), screen);
}

void TestDpiScale::screenToFileRoundsHalfToEven_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<qint64>("scale");
    QTest::addColumn<int>("file");
    QTest::newRow("120: 126 -> 100.8") << 126 << qint64(12500) << 101;
    QTest::newRow("120: 5 -> 4") << 5 << qint64(12500) << 4;
    QTest::newRow("144: 3 -> 2") << 3 << qint64(15000) << 2;
    QTest::newRow("96 keeps") << 77 << qint64(10000) << 77;
}

void TestDpiScale::screenToFileRoundsHalfToEven()
{
    QFETCH(int, value);
    QFETCH(qint64, scale);
    QFETCH(int, file);
    QCOMPARE(Dpi::screenToFile(value, scale), file);
}

QTEST_APPLESS_MAIN(TestDpiScale)
#include "tst_dpi_scale.moc"
