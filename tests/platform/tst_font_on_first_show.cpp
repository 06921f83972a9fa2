#include "platform/FontOnFirstShow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestFontOnFirstShow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aHiddenBoxTakesTheFontWhenShown();
    void aBoxOnScreenTakesTheFontAtOnce();
};

namespace {

QFont sized(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

} // namespace

void TestFontOnFirstShow::aHiddenBoxTakesTheFontWhenShown()
{
    QWidget window;
    window.setFont(sized(12));
    auto *combo = new QComboBox(&window);
    combo->addItems({QStringLiteral("顔1"), QStringLiteral("顔2")});
    combo->hide();
    setFontOnFirstShow(*combo, sized(13));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Setting a combo box's font builds its drop-down list: not while it is hidden.
    QCOMPARE(combo->font().pixelSize(), 12);
    QVERIFY(!combo->findChild<QAbstractItemView *>());
    combo->show();
    QCOMPARE(combo->font().pixelSize(), 13);
    QCOMPARE(combo->view()->font().pixelSize(), 13);
    // Given once: a later font is not undone by the next show.
    combo->hide();
    combo->setFont(sized(20));
    combo->show();
    QCOMPARE(combo->font().pixelSize(), 20);
}

void TestFontOnFirstShow::aBoxOnScreenTakesTheFontAtOnce()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    setFontOnFirstShow(*edit, sized(13));
    QCOMPARE(edit->font().pixelSize(), 13);
}

QTEST_MAIN(TestFontOnFirstShow)
#include "tst_font_on_first_show.moc"
