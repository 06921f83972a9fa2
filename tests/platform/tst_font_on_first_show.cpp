#include "platform/FontOnFirstShow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestFontOnFirstShow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hiddenBoxesTakeTheFontWhenShown();
    void aComboBoxBuildsItsListOnlyWhenShown();
    void aBoxOnScreenTakesTheFontAtOnce();
};

namespace {

QFont boxFont()
{
    QFont font;
    font.setPixelSize(13);
    return font;
}

} // namespace

void TestFontOnFirstShow::hiddenBoxesTakeTheFontWhenShown()
{
    QWidget window;
    window.setFont([] {
        QFont font;
        font.setPixelSize(12);
        return font;
    }());
    auto *edit = new QLineEdit(&window);
    edit->hide();
    setFontOnFirstShow(*edit, boxFont());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(edit->font().pixelSize(), 12);
    edit->show();
    QCOMPARE(edit->font().pixelSize(), 13);
    // Once given, the font is the box's own: hiding and showing again keeps it, and a later
    // change of font is not undone by the next show.
    edit->hide();
    QFont larger = boxFont();
    larger.setPixelSize(20);
    edit->setFont(larger);
    edit->show();
    QCOMPARE(edit->font().pixelSize(), 20);
}

void TestFontOnFirstShow::aComboBoxBuildsItsListOnlyWhenShown()
{
    QWidget window;
    auto *combo = new QComboBox(&window);
    combo->addItems({QStringLiteral("顔1"), QStringLiteral("顔2")});
    combo->hide();
    setFontOnFirstShow(*combo, boxFont());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The drop-down list is built the first time the box's font is set: not yet.
    QVERIFY(!combo->findChild<QAbstractItemView *>());
    combo->show();
    QCOMPARE(combo->font().pixelSize(), 13);
    QVERIFY(combo->findChild<QAbstractItemView *>());
    QCOMPARE(combo->view()->font().pixelSize(), 13);
}

void TestFontOnFirstShow::aBoxOnScreenTakesTheFontAtOnce()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    setFontOnFirstShow(*edit, boxFont());
    QCOMPARE(edit->font().pixelSize(), 13);
}

QTEST_MAIN(TestFontOnFirstShow)
#include "tst_font_on_first_show.moc"
