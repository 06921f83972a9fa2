#include "library/FacePaths.h"
#include "library/HallOfFameFile.h"
#include "library/HallOfFameKeeper.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The hall of fame as the unveiling keeps it: each entry written at once, and an entry the
// disk refuses given up, so that the game never shows what the file does not hold.
class TestHallOfFameKeeper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void entriesAreWrittenAtOnce();
    void anEntryTheDiskRefusesIsGivenUp();
};

namespace {

HallOfFameEntry game(int score)
{
    return {u"たろう"_s, score, QDateTime(QDate(2026, 12, 9), QTime(19, 0))};
}

} // namespace

void TestHallOfFameKeeper::entriesAreWrittenAtOnce()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    QVERIFY(QDir(appDir).mkpath(u"data"_s));
    HallOfFameKeeper keeper(appDir);
    QCOMPARE(keeper.enter(u"おかめ"_s, game(200)).place, 1);
    QCOMPARE(keeper.enter(u"おかめ"_s, game(250)).place, 1);
    QCOMPARE(keeper.enter(u"おかめ"_s, game(100)).place, 3);
    // What a kill right now would leave: the file already holds all three.
    QCOMPARE(HallOfFameFile::load(appDir).hall.entries(u"おかめ"_s).size(), 3);
}

void TestHallOfFameKeeper::anEntryTheDiskRefusesIsGivenUp()
{
    const SmallDisk disk(1);
    if (!disk.problem().isEmpty())
        QSKIP(qPrintable(disk.problem()));
    const QString appDir = disk.path() + u'/';
    QVERIFY(QDir(appDir).mkpath(u"data"_s));
    HallOfFameKeeper keeper(appDir);
    QCOMPARE(keeper.enter(u"おかめ"_s, game(200)).place, 1);
    const QByteArray before = [&] {
        QFile file(FacePaths::hallOfFame(appDir));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    disk.fill();
    const HallOfFameKeeper::Entered refused = keeper.enter(u"おかめ"_s, game(280));
    QCOMPARE(refused.place, 0);
    QCOMPARE(refused.problems.size(), 1);
    QVERIFY2(refused.problems[0].startsWith(u"殿堂に記録できませんでした。\r"_s), qPrintable(refused.problems[0]));
    QStringList problems;
    QCOMPARE(keeper.entries(u"おかめ"_s, problems).size(), 1);
    QFile file(FacePaths::hallOfFame(appDir));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    // With room again the next game enters, and the refused one stays out.
    QVERIFY(QFile::remove(disk.path() + u"/filler"_s));
    QCOMPARE(keeper.enter(u"おかめ"_s, game(150)).place, 2);
    QCOMPARE(HallOfFameFile::load(appDir).hall.entries(u"おかめ"_s).size(), 2);
}

QTEST_APPLESS_MAIN(TestHallOfFameKeeper)
#include "tst_hall_of_fame_keeper.moc"
