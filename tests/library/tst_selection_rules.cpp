#include "library/DisplaySize.h"
#include "screen/NameRules.h"

#include <QTest>

class TestSelectionRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void displaySize_data();
    void displaySize();
    void acceptableNames_data();
    void acceptableNames();
};

void TestSelectionRules::displaySize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("display");
    QTest::newRow("landscape") << QSize(400, 300) << QSize(300, 225);
    QTest::newRow("nearly square portrait") << QSize(299, 300) << QSize(299, 300);
    QTest::newRow("truncates") << QSize(100, 301) << QSize(99, 300);
    QTest::newRow("square") << QSize(300, 300) << QSize(300, 300);
    QTest::newRow("small square") << QSize(27, 27) << QSize(300, 300);
    QTest::newRow("small landscape") << QSize(150, 100) << QSize(300, 200);
    QTest::newRow("tall") << QSize(1, 1000) << QSize(0, 300);
    QTest::newRow("huge") << QSize(20000, 15000) << QSize(300, 225);
    QTest::newRow("empty") << QSize(0, 0) << QSize(0, 0);
}

void TestSelectionRules::displaySize()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, display);
    QCOMPARE(displaySizeFor(picture), display);
}

void TestSelectionRules::acceptableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("half-width space") << " " << false;
    QTest::newRow("full-width space") << "　" << false;
    QTest::newRow("two spaces") << "  " << true;
    QTest::newRow("two full-width spaces") << "　　" << true;
    QTest::newRow("space and letter") << " a" << true;
    QTest::newRow("name") << "おかめ" << true;
}

void TestSelectionRules::acceptableNames()
{
    QFETCH(QString, name);
    QFETCH(bool, acceptable);
    QCOMPARE(isAcceptableName(name), acceptable);
}

QTEST_APPLESS_MAIN(TestSelectionRules)
#include "tst_selection_rules.moc"
