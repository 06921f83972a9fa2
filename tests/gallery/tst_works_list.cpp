#include "gallery/WorksList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWorksList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stamps_data();
    void stamps();
    void newestFirst();
    void onlyJpegFilesAreListed();
};

void TestWorksList::stamps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("a game") << u"おかめ_20250102030405_250.jpg"_s << u"20250102030405"_s;
    QTest::newRow("a montage") << u"ふく_20241231235959_M.jpg"_s << u"20241231235959"_s;
    QTest::newRow("upper-case extension") << u"a_20250102030405_7.JPG"_s << u"20250102030405"_s;
    QTest::newRow("a name with underscores and digits") << u"a_1_2_20250102030405_0.jpg"_s << u"20250102030405"_s;
    QTest::newRow("a negative score") << u"a_20250102030405_-3.jpg"_s << u"20250102030405"_s;
    QTest::newRow("no score") << u"a_20250102030405.jpg"_s << QString();
    QTest::newRow("13 digits") << u"a_2025010203040_5.jpg"_s << QString();
    QTest::newRow("letters in the stamp") << u"a_2025010203040x_5.jpg"_s << QString();
    QTest::newRow("a photograph") << u"IMG_0001.jpg"_s << QString();
    QTest::newRow("not a picture name") << u"a_20250102030405_5.png"_s << QString();
}

void TestWorksList::stamps()
{
    QFETCH(QString, name);
    QFETCH(QString, stamp);
    QCOMPARE(WorksList::stampOf(name), stamp);
}

void TestWorksList::newestFirst()
{
    QStringList names{u"b.jpg"_s, u"x_20240101000000_1.jpg"_s, u"a.jpg"_s, u"y_20250101000000_M.jpg"_s,
                      u"w_20240101000000_2.jpg"_s};
    WorksList::sortNewestFirst(names);
    QCOMPARE(names, (QStringList{u"y_20250101000000_M.jpg"_s, u"w_20240101000000_2.jpg"_s, u"x_20240101000000_1.jpg"_s,
                                 u"a.jpg"_s, u"b.jpg"_s}));
}

void TestWorksList::onlyJpegFilesAreListed()
{
    QTemporaryDir dir;
    for (const char *name : {"a.jpg", "b.JPG", "c.png", ".hidden.jpg", "d.jpeg", "e.jpg.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(u"old.jpg"_s));
    QVERIFY(QFile::link(dir.filePath(u"old.jpg"_s), dir.filePath(u"link.jpg"_s)));
    QCOMPARE(WorksList::worksIn(dir.path()), (QStringList{u".hidden.jpg"_s, u"a.jpg"_s, u"b.JPG"_s}));
    QVERIFY(WorksList::worksIn(dir.filePath(u"missing"_s)).isEmpty());
}

QTEST_APPLESS_MAIN(TestWorksList)
#include "tst_works_list.moc"
