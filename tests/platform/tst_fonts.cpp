#include "platform/Fonts.h"
#include "screen/GuidanceTexts.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void gameFamilyIsServedByTheJapaneseFace();
    void textLooksTheSameAsWhenShaped_data();
    void textLooksTheSameAsWhenShaped();
};

namespace {

QImage drawn(const QString &text, const QFont &font)
{
    QImage image(720, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
    return image;
}

} // namespace

void TestFonts::initTestCase()
{
    Fonts::installSubstitution();
}

void TestFonts::gameFamilyIsServedByTheJapaneseFace()
{
    QCOMPARE(QFontInfo(Fonts::gameFont(12)).family(), QStringLiteral("IPAPGothic"));
}

void TestFonts::textLooksTheSameAsWhenShaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    // The game's sizes and styles, with text in every script a screen or a face name shows:
    // kanji, both kana, full- and half-width forms, Latin letters that pair or kern.
    QTest::newRow("menu") << QStringLiteral("顔の作成／削除(&F)  BGM(&B)  モンタージュ(&M)") << 12 << false << false;
    QTest::newRow("loading") << Guidance::Loading << 20 << true << false;
    QTest::newRow("guidance") << Guidance::FaceSelect.section(QLatin1Char('\r'), 0, 0) << 16 << true << true;
    QTest::newRow("button") << QStringLiteral("スタート 顔選択 練習 ズーム 自動") << 13 << true << false;
    QTest::newRow("score") << QStringLiteral("得点 300点") << 36 << true << false;
    QTest::newRow("plus minus") << QStringLiteral("+ -") << 33 << true << false;
    QTest::newRow("face name") << QStringLiteral("ﾔﾏﾀﾞ 山田花子①") << 13 << false << false;
    QTest::newRow("latin pairs") << QStringLiteral("AVATAR Tokyo office fi fl Wa") << 20 << true << false;
}

void TestFonts::textLooksTheSameAsWhenShaped()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QFont game = Fonts::gameFont(pixelSize, bold, italic);
    QCOMPARE(game.styleStrategy() & QFont::PreferNoShaping, QFont::PreferNoShaping);
    QFont shaped = game;
    shaped.setStyleStrategy(QFont::PreferDefault);
    // Where the system lacks the game's family, the game's fonts name the stand-in directly;
    // asking for the game's family and letting Qt substitute must draw the same.
    QFont substituted = game;
    substituted.setFamilies({QStringLiteral("ＭＳ Ｐゴシック")});
    const QImage drawnByGame = drawn(text, game);
    QVERIFY(drawnByGame == drawn(text, shaped));
    QVERIFY(drawnByGame == drawn(text, substituted));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
