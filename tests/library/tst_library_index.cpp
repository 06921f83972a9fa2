#include "library/FacePaths.h"
#include "library/LibraryIndex.h"
#include "platform/files/ProfileFile.h"
#include "platform/files/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

// The index is written here byte by byte, as a player or an older program may have left it.
class TestLibraryIndex : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void threeFacesLoadInOrder();
    void missingKeysTakeDefaults();
    void missingCountLoadsNoFace();
    void editorsUtf8IndexLoads();
    void missingIndexGivesEmptyLibrary();
    void positionsAreConvertedAt120Dpi();
    void absurdCountsAreBounded_data();
    void absurdCountsAreBounded();
    void openingFaceOutsideLibraryIsNone_data();
    void openingFaceOutsideLibraryIsNone();
    void musicSettings();
    void picturePaths();
    void largeIndexMatchesAPlainReading_data();
    void largeIndexMatchesAPlainReading();

private:
    void writeIndex(const QByteArray &text);
    QString appDir() const { return m_dir->path() + QLatin1Char('/'); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLibraryIndex::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkpath(QStringLiteral("data"));
}

void TestLibraryIndex::writeIndex(const QByteArray &text)
{
    QFile file(FacePaths::indexFile(appDir()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray crlf = text;
    crlf.replace("\n", "\r\n");
    file.write(crlf);
}

void TestLibraryIndex::threeFacesLoadInOrder()
{
    writeIndex("[faces]\ncount=3\n[0]\nName=A\nX1=1\nY4=9\n[1]\nName=B\n[2]\nName=C\nX3=33\n");
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);
    QCOMPARE(index.Faces.size(), 3);
    QCOMPARE(index.Faces[0].Name, QStringLiteral("A"));
    QCOMPARE(index.Faces[1].Name, QStringLiteral("B"));
    QCOMPARE(index.Faces[2].Name, QStringLiteral("C"));
    QCOMPARE(index.Faces[0].X1, 1);
    QCOMPARE(index.Faces[0].Y4, 9);
    QCOMPARE(index.Faces[2].X3, 33);
}

void TestLibraryIndex::missingKeysTakeDefaults()
{
    writeIndex("[faces]\ncount=2\n[0]\nX1=5\n[1]\nName=B\nX1=1\nX2=2\nX4=4\n");
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);
    QCOMPARE(index.Faces[0].Name, QStringLiteral("Nothing"));
    QCOMPARE(index.Faces[1].X3, 0);
    QCOMPARE(index.Faces[1].X4, 4);
    QCOMPARE(index.TitleFaceIndex, -1);
}

void TestLibraryIndex::missingCountLoadsNoFace()
{
    writeIndex("[0]\nName=A\n[1]\nName=B\n");
    QCOMPARE(loadLibraryIndex(appDir(), 10000).Faces.size(), 0);
}

void TestLibraryIndex::editorsUtf8IndexLoads()
{
    // Saved by a text editor as UTF-8 with a byte-order mark before "[faces]".
    writeIndex("\xEF\xBB\xBF[faces]\ncount=2\n[0]\nName=" + QStringLiteral("おかめ").toUtf8() + "\n[1]\nName=B\n");
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);
    QCOMPARE(index.Faces.size(), 2);
    QCOMPARE(index.Faces[0].Name, QStringLiteral("おかめ"));
    QCOMPARE(index.Faces[1].Name, QStringLiteral("B"));
}

void TestLibraryIndex::missingIndexGivesEmptyLibrary()
{
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);
    QCOMPARE(index.Faces.size(), 0);
    QCOMPARE(index.TitleFaceIndex, -1);
    QVERIFY(index.BgmOn);
    QCOMPARE(index.MusicFileName, appDir() + QStringLiteral("data/tema84.mid"));
}

void TestLibraryIndex::positionsAreConvertedAt120Dpi()
{
    writeIndex("[faces]\ncount=1\n[0]\nName=A\nX1=101\nY1=2\nX2=126\nY3=-2\n");
    const TFaceData face = loadLibraryIndex(appDir(), 12500).Faces.at(0);
    QCOMPARE(face.X1, 126);
    QCOMPARE(face.Y1, 2);
    QCOMPARE(face.X2, 158); // 157.5 goes to the even 158
    QCOMPARE(face.Y3, -2);
}

void TestLibraryIndex::absurdCountsAreBounded_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("faces");
    QTest::newRow("negative") << QByteArray("-5") << 0;
    QTest::newRow("huge") << QByteArray("2147483647") << 3; // [faces], [0], [1]
    QTest::newRow("beyond 32 bits") << QByteArray("99999999999") << 0;
    QTest::newRow("garbage") << QByteArray("three") << 0;
}

void TestLibraryIndex::absurdCountsAreBounded()
{
    QFETCH(QByteArray, count);
    QFETCH(int, faces);
    writeIndex("[faces]\ncount=" + count + "\n[0]\nName=A\n[1]\nName=B\n");
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);
    QCOMPARE(index.Faces.size(), faces);
    if (faces > 2)
        QCOMPARE(index.Faces[2].Name, QStringLiteral("Nothing"));
}

void TestLibraryIndex::openingFaceOutsideLibraryIsNone_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("opening");
    QTest::newRow("inside") << QByteArray("1") << 1;
    QTest::newRow("none") << QByteArray("-1") << -1;
    QTest::newRow("past the end") << QByteArray("2") << -1;
    QTest::newRow("below -1") << QByteArray("-7") << -1;
}

void TestLibraryIndex::openingFaceOutsideLibraryIsNone()
{
    QFETCH(QByteArray, number);
    QFETCH(int, opening);
    writeIndex("[faces]\ncount=2\n[0]\nName=A\n[1]\nName=B\n[TitleFace]\nNO=" + number + "\n");
    QCOMPARE(loadLibraryIndex(appDir(), 10000).TitleFaceIndex, opening);
}

void TestLibraryIndex::musicSettings()
{
    writeIndex("[BGM]\nPlay=0\nMusicFile=/music/song.mid\n");
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);
    QVERIFY(!index.BgmOn);
    QCOMPARE(index.MusicFileName, QStringLiteral("/music/song.mid"));
    writeIndex("[BGM]\nPlay=7\n");
    QVERIFY(loadLibraryIndex(appDir(), 10000).BgmOn);
}

void TestLibraryIndex::picturePaths()
{
    QCOMPARE(FacePaths::facePicture(QStringLiteral("/game/"), 12, 5), QStringLiteral("/game/data/face12_5.jpg"));
    QCOMPARE(FacePaths::programFolder(QStringLiteral("/opt/petara/petara3")), QStringLiteral("/opt/petara/"));
}

namespace {

// An index of 10,000 faces with what a player's editor may leave in one: names in Japanese,
// keys in any case and spacing, comments, blank lines, quotes, and repeated keys and sections.
QString largeIndex()
{
    QString text = QStringLiteral("; 顔の索引\n[Faces]\nCOUNT = 10000\ncount=3\n");
    for (int n = 0; n < 10000; ++n) {
        const QString number = QString::number(n);
        text += (n % 7 == 0 ? QStringLiteral("[ %1 ]\n") : QStringLiteral("[%1]\n")).arg(number);
        text += n % 3 == 0 ? QStringLiteral("name=\"顔　%1\"\n").arg(number)
                           : QStringLiteral("Name=face%1\n").arg(number);
        for (int k = 1; k <= 4; ++k) {
            text += QStringLiteral("x%1 =%2\n").arg(k).arg((n * k) % 301);
            text += QStringLiteral("Y%1= %2\n\n").arg(k).arg((n + k) % 299);
        }
        if (n % 5 == 0)
            text += QStringLiteral("X1=999\n;Y2=1\n");
        if (n % 11 == 0)
            text += QStringLiteral("[%1]\nName=重複\n").arg(n / 2);
    }
    return text + QStringLiteral("[titleface]\nno=17\n[bgm]\nPLAY=0\n");
}

// The plain reading: every line once, into ordered maps; the first section and key count.
using Sections = std::map<QString, std::map<QString, QString>>;

Sections plainReading(const QString &text)
{
    const auto trim = [](QString s) {
        while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
            s.remove(0, 1);
        while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
            s.chop(1);
        return s;
    };
    Sections sections;
    std::map<QString, QString> *current = nullptr;
    for (const QString &raw : text.split(u'\n')) {
        const QString line = trim(raw);
        if (line.startsWith(u'[')) {
            const QString name = trim(line.mid(1, line.indexOf(u']') - 1)).toCaseFolded();
            current = sections.count(name) ? nullptr : &sections[name];
        } else if (current && !line.startsWith(u';') && line.indexOf(u'=') > 0) {
            QString value = trim(line.mid(line.indexOf(u'=') + 1));
            if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
                value = value.mid(1, value.size() - 2);
            current->try_emplace(trim(line.left(line.indexOf(u'='))).toCaseFolded(), value);
        }
    }
    return sections;
}

int plainInteger(const Sections &sections, const QString &section, const QString &key, int defaultValue)
{
    const auto found = sections.find(section);
    if (found == sections.end() || !found->second.count(key))
        return defaultValue;
    return ProfileFile::parseInteger(found->second.at(key)).value_or(defaultValue);
}

} // namespace

void TestLibraryIndex::largeIndexMatchesAPlainReading_data()
{
    QTest::addColumn<bool>("utf8");
    QTest::newRow("CP932") << false;
    QTest::newRow("UTF-8 with its mark") << true;
}

void TestLibraryIndex::largeIndexMatchesAPlainReading()
{
    QFETCH(bool, utf8);
    const QString text = largeIndex();
    writeIndex(utf8 ? "\xEF\xBB\xBF" + text.toUtf8() : *TextCodec::toCp932(text));
    const Sections plain = plainReading(text);
    const LibraryIndex index = loadLibraryIndex(appDir(), 10000);

    QCOMPARE(index.Faces.size(), plainInteger(plain, QStringLiteral("faces"), QStringLiteral("count"), 0));
    QCOMPARE(index.TitleFaceIndex, 17);
    QCOMPARE(index.BgmOn, false);
    for (int n = 0; n < index.Faces.size(); ++n) {
        const QString section = QString::number(n);
        const TFaceData &face = index.Faces[n];
        QCOMPARE(face.Name, plain.at(section).at(QStringLiteral("name")));
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(face.partX(k), plainInteger(plain, section, QStringLiteral("x%1").arg(k), 0));
            QCOMPARE(face.partY(k), plainInteger(plain, section, QStringLiteral("y%1").arg(k), 0));
        }
    }
}

QTEST_APPLESS_MAIN(TestLibraryIndex)
#include "tst_library_index.moc"
