#include "platform/files/TextCodec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodesKnownCodes_data();
    void encodesKnownCodes();
    void roundTrips_data();
    void roundTrips();
    void refusesUnencodableText_data();
    void refusesUnencodableText();
    void replacesInvalidBytes_data();
    void replacesInvalidBytes();
    void survivesRandomBytes();
};

void TestTextCodec::encodesKnownCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << u"count=3"_s << QByteArray("count=3");
    QTest::newRow("hiragana") << u"おかめ"_s << QByteArray::fromHex("82a882a982df");
    QTest::newRow("fullwidth tilde") << u"\uFF5E"_s << QByteArray::fromHex("8160");
    QTest::newRow("fullwidth minus") << u"\uFF0D"_s << QByteArray::fromHex("817c");
    QTest::newRow("not sign") << u"\uFFE2"_s << QByteArray::fromHex("81ca");
    QTest::newRow("circled one (NEC)") << u"①"_s << QByteArray::fromHex("8740");
    QTest::newRow("taka (IBM)") << u"髙"_s << QByteArray::fromHex("fbfc");
    QTest::newRow("half-width katakana") << u"ｶﾀｶﾅ"_s << QByteArray::fromHex("b6c0b6c5");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestTextCodec::encodesKnownCodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const std::optional<QByteArray> encoded = TextCodec::toCp932(text);
    QVERIFY(encoded.has_value());
    QCOMPARE(*encoded, bytes);
    QCOMPARE(TextCodec::fromCp932(bytes), text);
}

void TestTextCodec::roundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("okame") << u"おかめ"_s;
    QTest::newRow("hyottoko") << u"ひょっとこ"_s;
    QTest::newRow("takahashi") << u"髙橋"_s;
    QTest::newRow("wave dash name") << u"ぺた～ら"_s;
    QTest::newRow("circled numbers") << u"①②⑳"_s;
    QTest::newRow("half-width") << u"ｶﾀｶﾅﾞﾟ"_s;
    QTest::newRow("NEC selected IBM") << u"纊褜鍈銈"_s;
    QTest::newRow("roman numerals") << u"ⅰⅱⅲ"_s;
    QTest::newRow("mixed") << u"face3 右目 (鼻) 口－1 ￢"_s;
    QTest::newRow("backslash and tilde") << u"C:\\data\\~x"_s;
}

void TestTextCodec::roundTrips()
{
    QFETCH(QString, text);
    const std::optional<QByteArray> encoded = TextCodec::toCp932(text);
    QVERIFY(encoded.has_value());
    QCOMPARE(TextCodec::fromCp932(*encoded), text);
}

void TestTextCodec::refusesUnencodableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << u"😀"_s;
    QTest::newRow("emoji after kana") << u"おかめ😀"_s;
    QTest::newRow("hangul") << u"한국어"_s;
    QTest::newRow("accented latin") << u"café"_s;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
    QTest::newRow("replacement char") << QString(QChar(0xFFFD));
}

void TestTextCodec::refusesUnencodableText()
{
    QFETCH(QString, text);
    QVERIFY(!TextCodec::toCp932(text).has_value());
}

void TestTextCodec::replacesInvalidBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("undefined single byte") << QByteArray("A\x80"
                                                         "B")
                                           << u"A\uFFFDB"_s;
    QTest::newRow("0xFF") << QByteArray("\xFF\xFF") << u"\uFFFD\uFFFD"_s;
    QTest::newRow("lead byte at end") << QByteArray("AB\x82") << u"AB\uFFFD"_s;
    QTest::newRow("lead byte before space") << QByteArray("\x82 x") << u"\uFFFD x"_s;
    QTest::newRow("valid after invalid") << QByteArray("\x80\x82\xa8") << u"\uFFFDお"_s;
    QTest::newRow("nul kept") << QByteArray("a\0b", 3) << QString(u"a\0b"_s);
}

void TestTextCodec::replacesInvalidBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::fromCp932(bytes), text);
}

void TestTextCodec::survivesRandomBytes()
{
    QRandomGenerator random(42);
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    const QString text = TextCodec::fromCp932(bytes);
    // Each character, replacement or not, consumes at least one byte.
    QVERIFY(!text.isEmpty());
    QVERIFY(text.size() <= bytes.size());
    QVERIFY(text.contains(QChar(0xFFFD)));
}

QTEST_APPLESS_MAIN(TestTextCodec)
#include "tst_text_codec.moc"
