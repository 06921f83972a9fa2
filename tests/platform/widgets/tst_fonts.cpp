#include "platform/widgets/Fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void gameFamilyIsServedByTheJapaneseFace_data();
    void gameFamilyIsServedByTheJapaneseFace();
};

void TestFonts::initTestCase()
{
    Fonts::installSubstitution();
}

void TestFonts::gameFamilyIsServedByTheJapaneseFace_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    // The game's sizes and styles: menus, guidance, buttons and the score.
    QTest::newRow("menu") << 12 << false << false;
    QTest::newRow("guidance") << 16 << true << true;
    QTest::newRow("button") << 13 << true << false;
    QTest::newRow("score") << 36 << true << false;
}

void TestFonts::gameFamilyIsServedByTheJapaneseFace()
{
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QFont game = Fonts::gameFont(pixelSize, bold, italic);
    const QFontInfo served(game);
    QCOMPARE(served.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(served.pixelSize(), pixelSize);
    QCOMPARE(served.bold(), bold);
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
