#include "platform/system/AppError.h"
#include "platform/files/ProfileFile.h"
#include "platform/files/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray cp932(const QString &text)
{
    return TextCodec::toCp932(text).value();
}

const QByteArray utf8Mark = "\xEF\xBB\xBF";

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void writeLayout_data();
    void writeLayout();
    void writeTypedValues();
    void writeToMissingFileCreatesIt();
    void eraseSection_data();
    void eraseSection();
    void refusedWriteChangesNothing_data();
    void refusedWriteChangesNothing();
    void writeToMissingFolderFails();
    void writeKeepsOtherWritersChanges();

    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void readString_data();
    void readString();
    void readsUtf8WithMark();
    void defaultsWhenMissing();
    void firstDuplicateWins();
    void sectionCount_data();
    void sectionCount();
    void loadsOddFiles_data();
    void loadsOddFiles();
    void loadsEnormousFile();

private:
    void store(const QByteArray &bytes) const;
    QByteArray stored() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(u"facedata.ini"_s);
}

void TestProfileFile::store(const QByteArray &bytes) const
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestProfileFile::stored() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestProfileFile::writeLayout_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray library = "[faces]\r\ncount=2\r\n\r\n[0]\r\nName=a\r\n";
    QTest::newRow("empty file") << QByteArray() << u"faces"_s << u"count"_s << u"3"_s
                                << QByteArray("[faces]\r\ncount=3\r\n");
    QTest::newRow("in place") << library << u"faces"_s << u"count"_s << u"3"_s
                              << QByteArray("[faces]\r\ncount=3\r\n\r\n[0]\r\nName=a\r\n");
    QTest::newRow("in place, case differs") << QByteArray("[FACES]\r\nCOUNT=1\r\n") << u"faces"_s << u"count"_s
                                            << u"2"_s << QByteArray("[FACES]\r\nCOUNT=2\r\n");
    QTest::newRow("in place, spaces around key")
        << QByteArray("[a]\r\n  k = 1 \r\n") << u"a"_s << u"k"_s << u"2"_s << QByteArray("[a]\r\nk=2\r\n");
    QTest::newRow("in place, other LF lines kept")
        << QByteArray("[faces]\ncount=2\n[0]\nName=a\n") << u"faces"_s << u"count"_s << u"3"_s
        << QByteArray("[faces]\ncount=3\r\n[0]\nName=a\n");
    QTest::newRow("in place, last line without line end")
        << QByteArray("[faces]\r\ncount=1") << u"faces"_s << u"count"_s << u"2"_s
        << QByteArray("[faces]\r\ncount=2\r\n");
    QTest::newRow("first duplicate key") << QByteArray("[a]\r\nk=1\r\nk=2\r\n") << u"a"_s << u"K"_s << u"9"_s
                                         << QByteArray("[a]\r\nk=9\r\nk=2\r\n");
    QTest::newRow("new key in a middle section")
        << library << u"faces"_s << u"extra"_s << u"1"_s
        << QByteArray("[faces]\r\ncount=2\r\nextra=1\r\n\r\n[0]\r\nName=a\r\n");
    QTest::newRow("new key in an empty section") << QByteArray("[a]\r\n[b]\r\nk=1\r\n") << u"a"_s << u"x"_s << u"5"_s
                                                 << QByteArray("[a]\r\nx=5\r\n[b]\r\nk=1\r\n");
    QTest::newRow("new key after trailing comment")
        << QByteArray("[a]\r\nk=1\r\n; note\r\n\r\n[b]\r\n") << u"a"_s << u"x"_s << u"2"_s
        << QByteArray("[a]\r\nk=1\r\n; note\r\nx=2\r\n\r\n[b]\r\n");
    QTest::newRow("new key in first of duplicate sections")
        << QByteArray("[a]\r\nk=1\r\n[b]\r\n[A]\r\nj=2\r\n") << u"a"_s << u"j"_s << u"3"_s
        << QByteArray("[a]\r\nk=1\r\nj=3\r\n[b]\r\n[A]\r\nj=2\r\n");
    QTest::newRow("new key at end without line end") << QByteArray("[faces]\r\ncount=1") << u"faces"_s << u"x"_s
                                                     << u"2"_s << QByteArray("[faces]\r\ncount=1\r\nx=2\r\n");
    QTest::newRow("key before any section is not the section's")
        << QByteArray("k=1\r\n[a]\r\n") << u"a"_s << u"k"_s << u"2"_s << QByteArray("k=1\r\n[a]\r\nk=2\r\n");
    QTest::newRow("new section at end") << library << u"1"_s << u"Name"_s << u"おかめ"_s
                                        << library + "[1]\r\nName=" + QByteArray::fromHex("82a882a982df") + "\r\n";
    QTest::newRow("new section after missing line end")
        << QByteArray("[faces]\r\ncount=1") << u"BGM"_s << u"Play"_s << u"0"_s
        << QByteArray("[faces]\r\ncount=1\r\n[BGM]\r\nPlay=0\r\n");
    QTest::newRow("section name with ] as second byte")
        << "[" + cp932(u"ゾ"_s) + "]\r\nk=1\r\n"
        << u"ゾ"_s << u"k"_s << u"2"_s << "[" + cp932(u"ゾ"_s) + "]\r\nk=2\r\n";
    QTest::newRow("Japanese value in place")
        << library << u"0"_s << u"name"_s << u"髙橋～①ｶﾀｶﾅ"_s
        << "[faces]\r\ncount=2\r\n\r\n[0]\r\nName=" + cp932(u"髙橋～①ｶﾀｶﾅ"_s) + "\r\n";

    // An index saved by a text editor as UTF-8 with the byte-order mark stays UTF-8, mark and all.
    const QByteArray utf8Library = utf8Mark + "[faces]\r\ncount=1\r\n[0]\r\nName=" + u"おかめ"_s.toUtf8() + "\r\n";
    QTest::newRow("UTF-8, first section in place")
        << utf8Library << u"faces"_s << u"count"_s << u"2"_s
        << utf8Mark + "[faces]\r\ncount=2\r\n[0]\r\nName=" + u"おかめ"_s.toUtf8() + "\r\n";
    QTest::newRow("UTF-8, value beyond CP932")
        << utf8Library << u"0"_s << u"Name"_s << u"한국어😀"_s
        << utf8Mark + "[faces]\r\ncount=1\r\n[0]\r\nName=" + u"한국어😀"_s.toUtf8() + "\r\n";
    QTest::newRow("UTF-8, new section") << utf8Library << u"BGM"_s << u"Play"_s << u"0"_s
                                        << utf8Library + "[BGM]\r\nPlay=0\r\n";
    QTest::newRow("UTF-8, Japanese section name")
        << utf8Mark + "[" + u"顔"_s.toUtf8() + "]\r\nk=1\r\n"
        << u"顔"_s << u"k"_s << u"2"_s << utf8Mark + "[" + u"顔"_s.toUtf8() + "]\r\nk=2\r\n";
    QTest::newRow("UTF-8, mark only") << utf8Mark << u"BGM"_s << u"Play"_s << u"1"_s
                                      << utf8Mark + "[BGM]\r\nPlay=1\r\n";
    QTest::newRow("mark not at the start is CP932 text")
        << "[a]\r\n" + utf8Mark + "k=1\r\n"
        << u"a"_s << u"k"_s << u"2"_s << "[a]\r\n" + utf8Mark + "k=1\r\nk=2\r\n";
}

void TestProfileFile::writeLayout()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    store(before);

    ProfileFile profile(m_path);
    profile.writeString(section, key, value);
    QCOMPARE(stored(), after);
    QCOMPARE(profile.readString(section, key, u"default"_s), value);
    QCOMPARE(ProfileFile(m_path).readString(section, key, u"default"_s), value);
}

void TestProfileFile::writeTypedValues()
{
    ProfileFile profile(m_path);
    profile.writeInteger(u"faces"_s, u"count"_s, -5);
    profile.writeBool(u"BGM"_s, u"Play"_s, true);
    profile.writeBool(u"BGM"_s, u"Loop"_s, false);
    profile.writeInteger(u"faces"_s, u"min"_s, std::numeric_limits<int>::min());
    QCOMPARE(stored(), QByteArray("[faces]\r\ncount=-5\r\nmin=-2147483648\r\n[BGM]\r\nPlay=1\r\nLoop=0\r\n"));
    QCOMPARE(profile.readInteger(u"faces"_s, u"min"_s, 0), std::numeric_limits<int>::min());
    QCOMPARE(profile.readBool(u"BGM"_s, u"Loop"_s, true), false);
}

void TestProfileFile::writeToMissingFileCreatesIt()
{
    QVERIFY(!QFile::exists(m_path));
    ProfileFile profile(m_path);
    profile.writeInteger(u"TitleFace"_s, u"NO"_s, 2);
    QCOMPARE(stored(), QByteArray("[TitleFace]\r\nNO=2\r\n"));
    QCOMPARE(profile.readInteger(u"titleface"_s, u"no"_s, -1), 2);
}

void TestProfileFile::eraseSection_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");

    const QByteArray faces = "[faces]\r\ncount=3\r\n[1]\r\nName=b\r\nX1=0\r\n\r\n[2]\r\nName=c\r\n";
    QTest::newRow("middle") << faces << u"1"_s << QByteArray("[faces]\r\ncount=3\r\n[2]\r\nName=c\r\n");
    QTest::newRow("last") << faces << u"2"_s << QByteArray("[faces]\r\ncount=3\r\n[1]\r\nName=b\r\nX1=0\r\n\r\n");
    QTest::newRow("case differs") << QByteArray("[BGM]\r\nPlay=1\r\n[x]\r\n") << u"bgm"_s << QByteArray("[x]\r\n");
    QTest::newRow("first duplicate only")
        << QByteArray("[a]\r\nk=1\r\n[a]\r\nk=2\r\n") << u"a"_s << QByteArray("[a]\r\nk=2\r\n");
    QTest::newRow("last without line end") << QByteArray("[a]\r\n[b]\r\nk=1") << u"b"_s << QByteArray("[a]\r\n");
    QTest::newRow("missing section") << faces << u"7"_s << faces;
    QTest::newRow("UTF-8, first section") << utf8Mark + "[a]\r\nk=1\r\n[b]\r\n" << u"a"_s << utf8Mark + "[b]\r\n";
}

void TestProfileFile::eraseSection()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    store(before);

    ProfileFile profile(m_path);
    profile.eraseSection(section);
    QCOMPARE(stored(), after);
    QCOMPARE(profile.sectionCount(), ProfileFile(m_path).sectionCount());
    QCOMPARE(profile.readString(u"2"_s, u"Name"_s, u"-"_s), ProfileFile(m_path).readString(u"2"_s, u"Name"_s, u"-"_s));
}

void TestProfileFile::refusedWriteChangesNothing_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("CR LF in value") << u"0"_s << u"Name"_s << u"a\r\nb"_s;
    QTest::newRow("CR in value") << u"0"_s << u"Name"_s << u"a\rb"_s;
    QTest::newRow("LF in value") << u"0"_s << u"Name"_s << u"a\nb"_s;
    QTest::newRow("NUL in value") << u"0"_s << u"Name"_s << QString(u"a\0b"_s);
    QTest::newRow("emoji in value") << u"0"_s << u"Name"_s << u"おかめ😀"_s;
    QTest::newRow("hangul in value") << u"0"_s << u"Name"_s << u"한국어"_s;
    QTest::newRow("emoji in new section") << u"😀"_s << u"Name"_s << u"x"_s;
    QTest::newRow("] in section") << u"a]"_s << u"k"_s << u"1"_s;
    QTest::newRow("= in section") << u"a=b"_s << u"k"_s << u"1"_s;
    QTest::newRow("line break in section") << u"a\nb"_s << u"k"_s << u"1"_s;
    QTest::newRow("empty section") << QString() << u"k"_s << u"1"_s;
    QTest::newRow("= in key") << u"0"_s << u"a=b"_s << u"1"_s;
    QTest::newRow("] in key") << u"0"_s << u"a]"_s << u"1"_s;
    QTest::newRow("line break in key") << u"0"_s << u"a\r\nb"_s << u"1"_s;
    QTest::newRow("comment key") << u"0"_s << u";k"_s << u"1"_s;
    QTest::newRow("bracket key") << u"0"_s << u"[k"_s << u"1"_s;
    QTest::newRow("empty key") << u"0"_s << QString() << u"1"_s;
    QTest::newRow("key with outer blank") << u"0"_s << u" Name"_s << u"1"_s;
}

void TestProfileFile::refusedWriteChangesNothing()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before = "[faces]\r\ncount=1\r\n[0]\r\nName=a\r\n";
    store(before);

    ProfileFile profile(m_path);
    QVERIFY_THROWS_EXCEPTION(AppError, profile.writeString(section, key, value));
    QCOMPARE(stored(), before);
    QCOMPARE(profile.readString(u"0"_s, u"Name"_s, QString()), u"a"_s);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"facedata.ini"_s});
}

void TestProfileFile::writeToMissingFolderFails()
{
    const QString path = m_dir->filePath(u"missing/facedata.ini"_s);
    ProfileFile profile(path);
    try {
        profile.writeInteger(u"faces"_s, u"count"_s, 1);
        QFAIL("the write should have failed");
    } catch (const AppError &error) {
        QVERIFY2(error.message().contains(u"facedata.ini"_s), qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(path));
    QCOMPARE(profile.readInteger(u"faces"_s, u"count"_s, -1), -1);
}

void TestProfileFile::writeKeepsOtherWritersChanges()
{
    store("[faces]\r\ncount=1\r\n");
    ProfileFile first(m_path);
    ProfileFile second(m_path);
    second.writeInteger(u"TitleFace"_s, u"NO"_s, 0);
    first.writeInteger(u"faces"_s, u"count"_s, 2);
    QCOMPARE(stored(), QByteArray("[faces]\r\ncount=2\r\n[TitleFace]\r\nNO=0\r\n"));
    QCOMPARE(first.readInteger(u"TitleFace"_s, u"NO"_s, -1), 0);
    // A reader keeps what it read until it writes.
    QCOMPARE(second.readInteger(u"faces"_s, u"count"_s, 0), 1);
}

void TestProfileFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("spaces and minus") << QByteArray(" -3 ") << -3;
    QTest::newRow("plus") << QByteArray("+5") << 5;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("quoted") << QByteArray("\"7\"") << 7;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
    QTest::newRow("trailing letters") << QByteArray("12abc") << 77;
    QTest::newRow("empty") << QByteArray("") << 77;
    QTest::newRow("too large") << QByteArray("99999999999") << 77;
    QTest::newRow("just over") << QByteArray("2147483648") << 77;
    QTest::newRow("just under") << QByteArray("-2147483649") << 77;
    QTest::newRow("sign only") << QByteArray("-") << 77;
    QTest::newRow("inner space") << QByteArray("1 2") << 77;
    QTest::newRow("hex") << QByteArray("0x10") << 77;
    QTest::newRow("decimal point") << QByteArray("1.5") << 77;
    QTest::newRow("fullwidth digits") << cp932(u"１２"_s) << 77;
}

void TestProfileFile::readInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    store("[s]\r\nk=" + text + "\r\n");
    QCOMPARE(ProfileFile(m_path).readInteger(u"s"_s, u"k"_s, 77), expected);
}

void TestProfileFile::readBool_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << QByteArray("Play=1") << false << true;
    QTest::newRow("0") << QByteArray("Play=0") << true << false;
    QTest::newRow("2") << QByteArray("Play=2") << false << true;
    QTest::newRow("-1") << QByteArray("Play=-1") << false << true;
    QTest::newRow("word, default true") << QByteArray("Play=yes") << true << true;
    QTest::newRow("word, default false") << QByteArray("Play=true") << false << false;
    QTest::newRow("missing key") << QByteArray("Other=0") << true << true;
}

void TestProfileFile::readBool()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    store("[BGM]\r\n" + line + "\r\n");
    QCOMPARE(ProfileFile(m_path).readBool(u"BGM"_s, u"Play"_s, defaultValue), expected);
}

void TestProfileFile::readString_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Japanese") << "Name=" + cp932(u"ひょっとこ"_s) << u"ひょっとこ"_s;
    QTest::newRow("trimmed") << QByteArray(" \tName \t=  a b \t") << u"a b"_s;
    QTest::newRow("ideographic space kept") << "Name=" + cp932(u"\u3000お\u3000"_s) << u"\u3000お\u3000"_s;
    QTest::newRow("quoted") << QByteArray("Name=\" a \"") << u" a "_s;
    QTest::newRow("empty quotes") << QByteArray("Name=\"\"") << QString(u""_s);
    QTest::newRow("one quote") << QByteArray("Name=\"a") << u"\"a"_s;
    QTest::newRow("empty value") << QByteArray("Name=") << QString(u""_s);
    QTest::newRow("equals in value") << QByteArray("Name=a=b") << u"a=b"_s;
    QTest::newRow("key case") << QByteArray("NAME=x") << u"x"_s;
    QTest::newRow("comment is no key") << QByteArray(";Name=x") << u"default"_s;
    QTest::newRow("line without equals") << QByteArray("Name") << u"default"_s;
    QTest::newRow("invalid byte") << QByteArray("Name=\x80"
                                                "ab")
                                  << u"\uFFFDab"_s;
}

void TestProfileFile::readsUtf8WithMark()
{
    store(utf8Mark + "[faces]\r\ncount=2\r\n[0]\r\nName=" + u"ひょっとこ"_s.toUtf8() + "\r\n[1]\r\nName=\xFF\r\n");
    const ProfileFile profile(m_path);
    QCOMPARE(profile.readInteger(u"faces"_s, u"count"_s, 0), 2);
    QCOMPARE(profile.readString(u"0"_s, u"Name"_s, QString()), u"ひょっとこ"_s);
    QCOMPARE(profile.readString(u"1"_s, u"Name"_s, QString()), u"\uFFFD"_s);
    QCOMPARE(profile.sectionCount(), 3);
}

void TestProfileFile::readString()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    store("[0]\r\n" + line + "\r\n");
    QCOMPARE(ProfileFile(m_path).readString(u"0"_s, u"Name"_s, u"default"_s), expected);
}

void TestProfileFile::defaultsWhenMissing()
{
    const ProfileFile missing(m_path);
    QCOMPARE(missing.readInteger(u"faces"_s, u"count"_s, 0), 0);
    QCOMPARE(missing.readInteger(u"TitleFace"_s, u"NO"_s, -1), -1);
    QCOMPARE(missing.readBool(u"BGM"_s, u"Play"_s, true), true);
    QCOMPARE(missing.readString(u"0"_s, u"Name"_s, u"Nothing"_s), u"Nothing"_s);
    QCOMPARE(missing.sectionCount(), 0);
    QCOMPARE(missing.section(u"0"_s).readString(u"Name"_s, u"Nothing"_s), u"Nothing"_s);
    QCOMPARE(missing.section(u"0"_s).readInteger(u"X1"_s, 7), 7);

    store("[faces]\r\ncount=2\r\n[0]\r\nX1=4\r\n");
    const ProfileFile present(m_path);
    QCOMPARE(present.readString(u"0"_s, u"Name"_s, u"Nothing"_s), u"Nothing"_s);
    QCOMPARE(present.readInteger(u"0"_s, u"X3"_s, 0), 0);
    QCOMPARE(present.readInteger(u"1"_s, u"X1"_s, 0), 0);
    QCOMPARE(present.readInteger(u"0"_s, u"X1"_s, 0), 4);
}

void TestProfileFile::firstDuplicateWins()
{
    store("[a]\r\nk=1\r\nK=2\r\n[b]\r\nk=3\r\n[A]\r\nk=4\r\nj=5\r\n");
    const ProfileFile profile(m_path);
    QCOMPARE(profile.readInteger(u"a"_s, u"k"_s, 0), 1);
    QCOMPARE(profile.readInteger(u"b"_s, u"k"_s, 0), 3);
    // Keys of a repeated section are not looked at.
    QCOMPARE(profile.readInteger(u"a"_s, u"j"_s, 0), 0);
    // A section found once reads its keys as the file does one by one.
    const ProfileFile::Section a = profile.section(u" A "_s);
    QCOMPARE(a.readInteger(u"K"_s, 0), 1);
    QCOMPARE(a.readString(u"k"_s, QString()), u"1"_s);
    QCOMPARE(a.readString(u"j"_s, u"none"_s), u"none"_s);
}

void TestProfileFile::sectionCount_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("keys only") << QByteArray("a=1\r\nb=2\r\n") << 0;
    QTest::newRow("two") << QByteArray("[faces]\r\ncount=1\r\n[0]\r\n") << 2;
    QTest::newRow("duplicates by case") << QByteArray("[a]\r\n[b]\r\n[A]\r\n") << 2;
    QTest::newRow("indented header") << QByteArray("  [a]  \r\n") << 1;
}

void TestProfileFile::sectionCount()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    store(bytes);
    QCOMPARE(ProfileFile(m_path).sectionCount(), expected);
}

void TestProfileFile::loadsOddFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");

    QByteArray binary(65536, Qt::Uninitialized);
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) % 256);
    QTest::newRow("binary, then a section") << binary + "\r\n[0]\r\nName=x\r\n" << u"x"_s;
    QTest::newRow("LF only") << QByteArray("[faces]\ncount=1\n[0]\nName=x\n") << u"x"_s;
    QTest::newRow("CR only") << QByteArray("[faces]\rcount=1\r[0]\rName=x\r") << u"x"_s;
    QTest::newRow("no final line end") << QByteArray("[0]\r\nName=x") << u"x"_s;
    QTest::newRow("NUL bytes") << QByteArray("[0]\r\n\0\0\r\nName=x\r\n", 17) << u"x"_s;
    QTest::newRow("lines before first section") << QByteArray("junk\r\nName=y\r\n[0]\r\nName=x\r\n") << u"x"_s;
    QTest::newRow("unclosed header") << QByteArray("[0\r\nName=x\r\n") << u"x"_s;
    QTest::newRow("garbage only") << QByteArray("\xff\xfe\x81\x00\x82", 5) << u"Nothing"_s;
}

void TestProfileFile::loadsOddFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    store(bytes);
    ProfileFile profile(m_path);
    QCOMPARE(profile.readString(u"0"_s, u"Name"_s, u"Nothing"_s), name);
    // Writing keeps working on such a file, and the rest of it stays as it was.
    profile.writeInteger(u"0"_s, u"X1"_s, 7);
    QCOMPARE(ProfileFile(m_path).readInteger(u"0"_s, u"X1"_s, 0), 7);
    QVERIFY(stored().startsWith(bytes.left(bytes.indexOf("[0"))));
}

void TestProfileFile::loadsEnormousFile()
{
    QByteArray bytes = "[faces]\r\ncount=3\r\n";
    bytes.reserve(8 << 20);
    for (int i = 0; i < 500000; ++i)
        bytes += "x\r\n";
    for (int i = 0; i < 50000; ++i)
        bytes += "[" + QByteArray::number(i) + "]\r\nName=n" + QByteArray::number(i) + "\r\n";
    store(bytes);

    ProfileFile profile(m_path);
    QCOMPARE(profile.sectionCount(), 50001);
    QCOMPARE(profile.readString(u"49999"_s, u"Name"_s, QString()), u"n49999"_s);
    profile.writeInteger(u"faces"_s, u"count"_s, 4);
    QCOMPARE(stored().size(), bytes.size());
    QCOMPARE(profile.readInteger(u"faces"_s, u"count"_s, 0), 4);
}

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profile_file.moc"
