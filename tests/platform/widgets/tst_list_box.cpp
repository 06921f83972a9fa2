#include "platform/widgets/ListBox.h"

#include <QScrollBar>
#include <QTest>

// Rows 12 high, whole rows only, 300 wide to scroll sideways, in a box that keeps its size.
class TestListBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rows_data();
    void rows();
};

void TestListBox::rows_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("items");
    QTest::newRow("montage list") << QSize(145, 172) << 40;
    QTest::newRow("12 rows and a half") << QSize(145, 166) << 40;
    QTest::newRow("few rows, a narrow rest below") << QSize(217, 101) << 3;
}

void TestListBox::rows()
{
    QFETCH(QSize, size);
    QFETCH(int, items);
    QWidget window;
    ListBox list(12, 300, &window);
    list.setGeometry(QRect(QPoint(5, 5), size));
    for (int i = 0; i < items; ++i)
        list.addItem(QStringLiteral("とても長い名前の作品_20080305140709_M.jpg %1").arg(i));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(list.size(), size);
    QCOMPARE(list.visualItemRect(list.item(1)), QRect(0, 12, 300, 12));
    QCOMPARE(list.viewport()->height() % 12, 0);
    QCOMPARE(list.horizontalScrollBar()->maximum(), 300 - list.viewport()->width());
}

QTEST_MAIN(TestListBox)
#include "tst_list_box.moc"
