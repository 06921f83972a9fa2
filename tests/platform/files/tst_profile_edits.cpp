#include "platform/system/AppError.h"
#include "platform/files/ProfileText.h"
#include "platform/files/TextCodec.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Many edits in one pass must leave exactly the bytes the single writes leave one after another.
class TestProfileEdits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameAsOneWriteAfterAnother_data();
    void sameAsOneWriteAfterAnother();
    void refusedEditThrows();
};

namespace {

// "section|key|value" sets a value, "-section" erases a section.
std::vector<ProfileText::Edit> editsOf(const QStringList &script)
{
    std::vector<ProfileText::Edit> edits;
    for (const QString &line : script) {
        if (line.startsWith(u'-')) {
            edits.push_back(ProfileText::Edit::eraseSection(line.mid(1)));
        } else {
            const QStringList parts = line.split(u'|');
            edits.push_back(ProfileText::Edit::set(parts[0], parts[1], parts[2]));
        }
    }
    return edits;
}

QByteArray oneAfterAnother(QByteArray bytes, const std::vector<ProfileText::Edit> &edits)
{
    for (const ProfileText::Edit &edit : edits) {
        if (edit.key.isNull())
            bytes = ProfileText::withoutSection(bytes, edit.section).value_or(bytes);
        else
            bytes = ProfileText::withValue(bytes, edit.section, edit.key, edit.value);
    }
    return bytes;
}

} // namespace

void TestProfileEdits::sameAsOneWriteAfterAnother_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("script");

    QByteArray library = "[faces]\r\ncount=5\r\n";
    for (int n = 0; n < 5; ++n)
        library += "[" + QByteArray::number(n) + "]\r\nName=f" + QByteArray::number(n) + "\r\nX1=1\r\nY4=2\r\n\r\n";
    library += "[TitleFace]\r\nNO=3\r\n[BGM]\r\nPlay=1\r\n";
    QStringList deletion{u"TitleFace|NO|2"_s, u"faces|count|4"_s};
    for (int j = 1; j < 4; ++j) {
        deletion << u"%1|Name|f%2"_s.arg(j).arg(j + 1);
        for (const char *key : {"X1", "X2", "X3", "X4", "Y1", "Y2", "Y3", "Y4"})
            deletion << u"%1|%2|%3"_s.arg(j).arg(QLatin1StringView(key)).arg(j * 10);
    }
    deletion << u"-4"_s;
    QTest::newRow("deleting face 1 of 5") << library << deletion;
    QTest::newRow("empty file") << QByteArray() << QStringList{u"faces|count|2"_s, u"0|Name|a"_s, u"-0"_s, u"0|X1|3"_s};
    QTest::newRow("no line end at the end")
        << QByteArray("[faces]\r\ncount=1") << QStringList{u"faces|X|1"_s, u"new|k|v"_s, u"faces|count|2"_s};
    QTest::newRow("new section after a file without line end")
        << QByteArray("[a]\r\nk=1\r\n[b]\r\nk=2") << QStringList{u"c|k|3"_s, u"-c"_s, u"d|k|4"_s};
    QTest::newRow("erasing the last section, then adding one")
        << QByteArray("[a]\r\nk=1\r\n[b]\r\nk=2") << QStringList{u"-b"_s, u"c|k|3"_s};
    QTest::newRow("duplicate sections: the second counts once the first is gone")
        << QByteArray("[a]\r\nk=1\r\n[x]\r\n[A]\r\nk=2\r\nj=5\r\n")
        << QStringList{u"a|k|9"_s, u"-a"_s, u"a|k|8"_s, u"a|j|7"_s, u"-A"_s, u"a|k|6"_s};
    QTest::newRow("lines before the first section, comments, blank lines, LF only")
        << QByteArray("k=1\n; top\n[a]\n; note\n\n  k = 2 \n\n[b]\nz=0\n")
        << QStringList{u"a|k|3"_s, u"a|new|4"_s, u"b|z|5"_s, u"b|y|6"_s, u"-a"_s, u"a|k|7"_s};
    QTest::newRow("names differ in case") << QByteArray("[FACES]\r\nCOUNT=3\r\n[Bgm]\r\nplay=0\r\n")
                                          << QStringList{u"faces|count|2"_s, u"BGM|Play|1"_s, u"-bgm"_s};
    QTest::newRow("Japanese names") << "[0]\r\nName=" + TextCodec::toCp932(u"おかめ"_s).value() + "\r\n"
                                    << QStringList{u"0|Name|ひょっとこ"_s, u"1|Name|髙橋～①ｶﾀｶﾅ"_s, u"-0"_s};
}

void TestProfileEdits::sameAsOneWriteAfterAnother()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, script);
    const std::vector<ProfileText::Edit> edits = editsOf(script);
    QCOMPARE(ProfileText::withEdits(before, edits), oneAfterAnother(before, edits));
}

void TestProfileEdits::refusedEditThrows()
{
    const QByteArray before = "[faces]\r\ncount=3\r\n";
    const std::vector<ProfileText::Edit> edits = editsOf({u"faces|count|2"_s, u"0|Name|😀"_s});
    QVERIFY_THROWS_EXCEPTION(AppError, ProfileText::withEdits(before, edits));
    const std::vector<ProfileText::Edit> lineBreak{ProfileText::Edit::set(u"0"_s, u"Name"_s, u"a\rb"_s)};
    QVERIFY_THROWS_EXCEPTION(AppError, ProfileText::withEdits(before, lineBreak));
}

QTEST_APPLESS_MAIN(TestProfileEdits)
#include "tst_profile_edits.moc"
