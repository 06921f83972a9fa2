#include "gallery/WorksList.h"
#include "game/WorkNaming.h"
#include "platform/pictures/JpegCodec.h"
#include "screen/NameRules.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The one rule for the names the player gives: a face at registration, and the works saved
// from a game (named after the face) and from a montage (named as typed).
class TestNameRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneRuleForEveryUse_data();
    void oneRuleForEveryUse();
    void everyFaceNameMakesASavableWork_data();
    void everyFaceNameMakesASavableWork();
    void playerNames_data();
    void playerNames();
};

void TestNameRules::oneRuleForEveryUse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("face");     // the message at registration; empty: registered
    QTest::addColumn<QString>("gameWork"); // at the save of a game on a face of that name
    QTest::addColumn<QString>("montage");  // at the save of a montage of that name

    const QString retype = u"\r別の名前を入力してください。"_s;
    const QString faceControl = u"改行などの制御文字は、顔の名前に使えません。"_s + retype;
    const QString gameControl =
        u"この顔の名前では作品を保存できません。\r改行などの制御文字は、作品の名前に使えません。"_s;
    const QString montageControl = u"改行などの制御文字は、作品の名前に使えません。"_s + retype;
    const QString cannotStore = u"「%1」は、顔の一覧にそのまま保存できない文字です（「%2」に変わってしまいます）。"_s;
    const QString blanks =
        u"名前の最初と最後には半角の空白を置けません。また、名前全体を「\"」で囲むこともできません。"_s + retype;

    // ".." and "." make harmless file names: .._<stamp>_<score>.jpg.
    for (const QString &name :
         {u"おかめ"_s, u".."_s, u"."_s, u".おかめ"_s, u"a\\b"_s, u"[a]=b:c;"_s, u"　顔　"_s, u"～"_s})
        QTest::addRow("usable %s", qPrintable(name)) << name << QString() << QString() << QString();
    // A line feed pasted into the name field, and the other characters that are no text.
    for (const char16_t control : {u'\n', u'\r', u'\t', u'\0', u'\x7f', u'\x85', u'\x2028'})
        QTest::addRow("control U+%04X", unsigned(control))
            << u"a"_s + QChar(control) + u"b"_s << faceControl << gameControl << montageControl;

    QTest::newRow("slash") << u"a/b"_s << u"「/」は、顔の名前に使えません。"_s + retype
                           << u"この顔の名前「a/b」では作品を保存できません。\r「/」は、作品の名前に使えません。"_s
                           << u"「/」は、作品の名前に使えません。"_s + retype;
    QTest::newRow("way out") << u"../x"_s << u"「/」は、顔の名前に使えません。"_s + retype
                             << u"この顔の名前「../x」では作品を保存できません。\r「/」は、作品の名前に使えません。"_s
                             << u"「/」は、作品の名前に使えません。"_s + retype;

    // Characters that CP932 keeps, but reads back as others.
    const QList<std::pair<QString, QString>> changed{{u"〜"_s, u"～"_s}, {u"−"_s, u"－"_s}, {u"‖"_s, u"∥"_s},
                                                     {u"¢"_s, u"￠"_s},  {u"£"_s, u"￡"_s}, {u"¬"_s, u"￢"_s},
                                                     {u"—"_s, u"―"_s}};
    for (const auto &[typed, readBack] : changed)
        QTest::addRow("U+%04X read back as another", typed[0].unicode())
            << u"ひょっとこ"_s + typed << cannotStore.arg(typed, readBack) + retype << QString() << QString();

    QTest::newRow("Korean") << u"얼굴"_s
                            << u"「얼굴」には、顔の名前に使えない文字が含まれています。\r"
                               u"使える文字は Shift_JIS (CP932) の文字だけです。別の名前を入力してください。"_s
                            << QString() << QString();
    QTest::newRow("leading space") << u" a"_s << blanks << QString() << QString();
    QTest::newRow("wrapped in quotes") << u"\"a\""_s << blanks << QString() << QString();

    const QString longGame = u"この顔の名前では作品を保存できません。\r名前が長すぎます。"_s;
    const QString longTyped = u"名前が長すぎます。\r短い名前を入力してください。"_s;
    // 255 bytes of file name: 3 bytes for each あ, then "_", 14 digits, "_", 3 digits and ".jpg".
    QTest::newRow("just fits a work") << QString(77, QChar(0x3042)) + u"a"_s << QString() << QString() << QString();
    QTest::newRow("a byte too long") << QString(77, QChar(0x3042)) + u"ab"_s << longTyped << longGame << longTyped;
}

void TestNameRules::oneRuleForEveryUse()
{
    QFETCH(QString, name);
    QFETCH(QString, face);
    QFETCH(QString, gameWork);
    QFETCH(QString, montage);
    QCOMPARE(nameProblem(name, NameUse::Face), face);
    QCOMPARE(nameProblem(name, NameUse::GameWork), gameWork);
    QCOMPARE(nameProblem(name, NameUse::MontageWork), montage);
}

void TestNameRules::everyFaceNameMakesASavableWork_data()
{
    oneRuleForEveryUse_data();
}

// Whatever registration accepts is saved, under the name the player will find in the gallery.
void TestNameRules::everyFaceNameMakesASavableWork()
{
    QFETCH(QString, name);
    QFETCH(QString, face);
    if (!face.isEmpty())
        return;
    QTemporaryDir works;
    const QDateTime time(QDate(2008, 3, 5), QTime(14, 7, 9));
    const QString gameFile = WorkNaming::gameWork(name, time, 300);
    const QString montageFile = WorkNaming::montageWork(name, time);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    JpegCodec::encodeFile(picture, works.filePath(gameFile));
    JpegCodec::encodeFile(picture, works.filePath(montageFile));
    QStringList written = QDir(works.path()).entryList(QDir::Files | QDir::Hidden);
    written.sort();
    QStringList expected{gameFile, montageFile};
    expected.sort();
    QCOMPARE(written, expected);
}

// A player's name beside the face's in a round's work: kept as typed, safe in a file name, and
// never taken for the time stamp by the gallery's order.
void TestNameRules::playerNames_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("problem");
    const QString retype = u"\r別の名前を入力してください。"_s;
    const QString brackets = u"「/」「（」「）」は、名前に使えません。"_s + retype;
    QTest::newRow("hiragana") << u"おじいちゃん"_s << u"おかめ"_s << QString();
    QTest::newRow("digits and underscores like a stamp") << u"_20991231235959_300"_s << u"a_b"_s << QString();
    QTest::newRow("empty") << QString() << u"おかめ"_s << u"名前を入力してください。"_s;
    QTest::newRow("one full-width space") << u"　"_s << u"おかめ"_s << u"名前を入力してください。"_s;
    QTest::newRow("line feed") << u"た\nろう"_s << u"おかめ"_s
                               << u"改行などの制御文字は、名前に使えません。"_s + retype;
    QTest::newRow("a way out") << u"../x"_s << u"おかめ"_s << brackets;
    QTest::newRow("the work name's brackets") << u"た）ろう"_s << u"おかめ"_s << brackets;
    QTest::newRow("outside CP932") << u"😀"_s << u"おかめ"_s
                                   << u"「😀」には、名前に使えない文字が含まれています。\r"
                                      "使える文字は Shift_JIS (CP932) の文字だけです。別の名前を入力してください。"_s;
    QTest::newRow("too long with this face") << QString(60, u'あ') << QString(20, u'い')
                                             << u"名前が長すぎます。\r短い名前を入力してください。"_s;
    QTest::newRow("long, with a short face") << QString(60, u'あ') << u"い"_s << QString();
}

void TestNameRules::playerNames()
{
    QFETCH(QString, player);
    QFETCH(QString, face);
    QTEST(playerNameProblem(player, face), "problem");
    if (!playerNameProblem(player, face).isEmpty())
        return;
    // A name taken makes a work whose time stamp the gallery finds, and which the file system takes.
    const QString work = WorkNaming::roundWork(face, player, QDateTime(QDate(2026, 12, 9), QTime(19, 5, 7)), 300);
    QCOMPARE(WorksList::stampOf(work), u"20261209190507"_s);
    QVERIFY(work.toUtf8().size() <= 255);
    QVERIFY(!work.contains(u'/'));
}

QTEST_GUILESS_MAIN(TestNameRules)
#include "tst_name_rules.moc"
