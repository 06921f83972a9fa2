#include "library/FacePaths.h"
#include "library/HallOfFameFile.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FileSystemCalls.h"
#include "support/ErrorMessage.h"
#include "support/ReadOnlyFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Played(QDate(2008, 3, 5), QTime(14, 7, 9));
const QByteArray Heading = "petara3 hall of fame 1\n";
const QByteArray Line = "おかめ\t250\t20080305140709\t花子\n";

// "p0", "p1" … the players of a hall's earlier entries, in the order they entered.
QStringList players(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << u"p%1"_s.arg(i);
    return names;
}

// Full halls whose file is larger than the game keeps.
HallOfFame hugeHall()
{
    HallOfFame hall;
    const QString player(1000, u'あ');
    qint64 bytes = Heading.size();
    for (int face = 0; bytes <= HallOfFameFile::MaxBytes; ++face) {
        const QString name = u"顔%1"_s.arg(face);
        for (int k = 0; k < HallOfFame::Places; ++k)
            hall.enter(name, {player, 300 - k, Played});
        bytes += HallOfFame::Places * (name.toUtf8().size() + player.toUtf8().size() + 21);
    }
    return hall;
}

} // namespace

class TestHallOfFame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void enter_data();
    void enter();
    void refused_data();
    void refused();
    void forgetFace();
    void file_data();
    void file();
    void missingFileIsAnEmptyHall();
    void damageIsSetAside_data();
    void damageIsSetAside();
    void damageThatCannotBeSetAside();
    void noRegularFileIsSetAside();
    void killedAtEveryStepOfTheWrite();
    void timeTheClockSkipped();
    void failedSaveKeepsTheFile_data();
    void failedSaveKeepsTheFile();
    void loadTiming();

private:
    QString appDir() const { return m_dir->path() + u'/'; }
    QString path() const { return FacePaths::hallOfFame(appDir()); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestHallOfFame::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath(u"data"_s));
}

void TestHallOfFame::enter_data()
{
    QTest::addColumn<QList<int>>("before"); // entered in turn by p0, p1 …
    QTest::addColumn<int>("score");         // entered by "new"
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("after");
    const QList<int> ten{300, 290, 280, 270, 260, 250, 240, 230, 220, 210};
    QTest::newRow("first") << QList<int>() << 0 << 1 << QStringList{u"new"_s};
    QTest::newRow("new best") << QList{250, 200} << 300 << 1 << QStringList{u"new"_s, u"p0"_s, u"p1"_s};
    QTest::newRow("between") << QList{300, 100} << 200 << 2 << QStringList{u"p0"_s, u"new"_s, u"p1"_s};
    QTest::newRow("equal goes below") << QList{300, 200, 100} << 200 << 3
                                      << QStringList{u"p0"_s, u"p1"_s, u"new"_s, u"p2"_s};
    QTest::newRow("tenth place") << ten.first(9) << 0 << 10 << players(9) + QStringList{u"new"_s};
    QTest::newRow("full, lower") << ten << 100 << 0 << players(10);
    QTest::newRow("full, equal to the tenth") << ten << 210 << 0 << players(10);
    QTest::newRow("full, above the tenth") << ten << 215 << 10 << players(9) + QStringList{u"new"_s};
    QTest::newRow("full of equals, new best") << QList<int>(10, 100) << 101 << 1 << QStringList{u"new"_s} + players(9);
}

void TestHallOfFame::enter()
{
    QFETCH(QList<int>, before);
    QFETCH(int, score);
    QFETCH(int, place);
    QFETCH(QStringList, after);
    HallOfFame hall;
    for (int i = 0; i < before.size(); ++i)
        hall.enter(u"おかめ"_s, {u"p%1"_s.arg(i), before[i], Played});
    hall.enter(u"ひょっとこ"_s, {u"other"_s, 0, Played});
    QCOMPARE(hall.enter(u"おかめ"_s, {u"new"_s, score, Played}), place);
    QStringList kept;
    for (const HallOfFameEntry &entry : hall.entries(u"おかめ"_s))
        kept << entry.player;
    QCOMPARE(kept, after);
    QCOMPARE(hall.entries(u"ひょっとこ"_s).size(), 1);
}

void TestHallOfFame::refused_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("score");
    QTest::addColumn<QDateTime>("when");
    const QString face = u"おかめ"_s;
    QTest::newRow("score above 300") << face << u"花子"_s << 301 << Played;
    QTest::newRow("negative score") << face << u"花子"_s << -1 << Played;
    QTest::newRow("no time") << face << u"花子"_s << 0 << QDateTime();
    QTest::newRow("year 10000") << face << u"花子"_s << 0 << QDateTime(QDate(10000, 1, 1), QTime(0, 0));
    QTest::newRow("no face name") << QString() << u"花子"_s << 0 << Played;
    QTest::newRow("line break in the player") << face << u"花\n子"_s << 0 << Played;
}

void TestHallOfFame::refused()
{
    QFETCH(QString, face);
    QFETCH(QString, player);
    QFETCH(int, score);
    QFETCH(QDateTime, when);
    HallOfFame hall;
    QCOMPARE(hall.enter(face, {player, score, when}), 0);
    QVERIFY(hall.isEmpty());
}

void TestHallOfFame::forgetFace()
{
    HallOfFame hall;
    hall.enter(u"おかめ"_s, {u"花子"_s, 300, Played});
    hall.enter(u"ひょっとこ"_s, {u"太郎"_s, 100, Played});
    hall.forgetFace(u"おかめ"_s);
    hall.forgetFace(u"ない顔"_s);
    QCOMPARE(hall.faces(), QStringList{u"ひょっとこ"_s});
    QVERIFY(hall.entries(u"おかめ"_s).isEmpty());
    QCOMPARE(hall.enter(u"おかめ"_s, {u"太郎"_s, 0, Played}), 1);
}

void TestHallOfFame::file_data()
{
    QTest::addColumn<QList<QByteArray>>("entered"); // file lines, entered in this order
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QList<QByteArray>() << Heading;
    QTest::newRow("Japanese names, ties, a single game")
        << QList<QByteArray>{"おかめ\t250\t20080305140709\t山田　太郎", "ひょっとこ\t300\t20240229235959\t",
                             "おかめ\t250\t20080306090000\t😀花子", "おかめ\t300\t20080307000000\tB"}
        << Heading
               + "おかめ\t300\t20080307000000\tB\nおかめ\t250\t20080305140709\t山田　太郎\n"
                 "おかめ\t250\t20080306090000\t😀花子\nひょっとこ\t300\t20240229235959\tひとり\n";
    QTest::newRow("first and last times") << QList<QByteArray>{"f\t0\t00010101000000\tp", "f\t1\t99991231235959\tq"}
                                          << Heading + "f\t1\t99991231235959\tq\nf\t0\t00010101000000\tp\n";
}

void TestHallOfFame::file()
{
    QFETCH(QList<QByteArray>, entered);
    QFETCH(QByteArray, bytes);
    HallOfFame hall;
    for (const QByteArray &line : entered) {
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        const QDateTime when = QDateTime::fromString(fields[2], u"yyyyMMddHHmmss"_s);
        QVERIFY(hall.enter(fields[0], {fields[3], fields[1].toInt(), when}) > 0);
    }
    HallOfFameFile::save(appDir(), hall);
    QCOMPARE(TestFiles::readFile(path()), bytes);
    const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
    QCOMPARE(loaded.problem, QString());
    QCOMPARE(loaded.hall, hall);
}

void TestHallOfFame::missingFileIsAnEmptyHall()
{
    const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
    QVERIFY(loaded.hall.isEmpty());
    QCOMPARE(loaded.problem, QString());
    QCOMPARE(QDir(appDir() + u"data"_s).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestHallOfFame::damageIsSetAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("other heading") << "petara3 hall of fame 2\n" + Line;
    QTest::newRow("heading without its line end") << Heading.chopped(1);
    QTest::newRow("CR LF line ends") << Heading.chopped(1) + "\r\n" + Line;
    QTest::newRow("carriage return in a line") << Heading + Line.chopped(1) + "\r\n";
    QTest::newRow("last line cut short") << Heading + Line.first(20);
    QTest::newRow("empty line") << Heading + "\n" + Line;
    QTest::newRow("three fields") << Heading + "おかめ\t250\t20080305140709\n";
    QTest::newRow("five fields") << Heading + "おかめ\t250\t20080305140709\t花\t子\n";
    QTest::newRow("no face name") << Heading + "\t250\t20080305140709\t花子\n";
    QTest::newRow("no player") << Heading + "おかめ\t250\t20080305140709\t\n";
    for (const char *score : {"301", "-1", "050", "+50", "", "1e2", "５０"})
        QTest::addRow("score \"%s\"", score) << Heading + "おかめ\t" + score + "\t20080305140709\t花子\n";
    for (const char *time : {"2008030514070", "200803051407090", "20081305140709", "20080230140709", "20080305240000",
                             "00000305140709", "2008O305140709"})
        QTest::addRow("time %s", time) << Heading + "おかめ\t250\t" + time + "\t花子\n";
    QTest::newRow("eleven entries of a face") << Heading + Line.repeated(11);
    QTest::newRow("entries out of order") << Heading + "おかめ\t100\t20080305140709\t太郎\n" + Line;
    QTest::newRow("control character") << Heading + "お\x01かめ\t250\t20080305140709\t花子\n";
    QTest::newRow("NUL in a name") << Heading + QByteArray("おかめ\t250\t20080305140709\t花\0子\n", 37);
    QTest::newRow("not UTF-8") << Heading + "\xff" + Line;
    QTest::newRow("overlong UTF-8") << Heading + "\xc0\xaf" + Line;
    QTest::newRow("surrogate in UTF-8") << Heading + "\xed\xa0\x80" + Line;
    QTest::newRow("larger than the limit") << HallOfFameFile::toBytes(hugeHall());
}

void TestHallOfFame::damageIsSetAside()
{
    QFETCH(QByteArray, bytes);
    TestFiles::writeFile(path(), bytes);
    TestFiles::writeFile(path() + u".damaged"_s, "an older one");
    const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
    QVERIFY(loaded.hall.isEmpty());
    QCOMPARE(loaded.problem,
             u"殿堂の記録が壊れていたため、「%1.damaged」という別の名前で残して新しく始めます。"_s.arg(path()));
    QVERIFY(!QFile::exists(path()));
    QVERIFY(TestFiles::readFile(path() + u".damaged"_s) == bytes);
    // The game goes on with a new hall.
    HallOfFame hall;
    hall.enter(u"おかめ"_s, {u"花子"_s, 250, Played});
    HallOfFameFile::save(appDir(), hall);
    QCOMPARE(HallOfFameFile::load(appDir()).hall, hall);
}

void TestHallOfFame::damageThatCannotBeSetAside()
{
    const QByteArray bytes = Heading + "おかめ\t301\t20080305140709\t花子\n";
    TestFiles::writeFile(path(), bytes);
    ReadOnlyFolder readOnly(appDir() + u"data"_s);
    if (!readOnly.binds())
        QSKIP("This file system lets this user write to any folder.");
    const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
    QVERIFY(loaded.hall.isEmpty());
    QCOMPARE(loaded.problem, u"殿堂の記録「%1」が壊れていたため、新しく始めます。"_s.arg(path()));
    QCOMPARE(TestFiles::readFile(path()), bytes);
}

// A pipe or a folder where the hall belongs never blocks the game or a deletion: loading sets
// it aside like damage.
void TestHallOfFame::noRegularFileIsSetAside()
{
    for (const bool pipe : {true, false}) {
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(path()));
        // The deletion only reads the hall, and leaves what it cannot read where it is.
        QCOMPARE(HallOfFameFile::read(appDir()), std::nullopt);
        QVERIFY(QFileInfo::exists(path()));
        const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
        QVERIFY(loaded.hall.isEmpty());
        QVERIFY(loaded.problem.contains(u".damaged"_s));
        QVERIFY(!QFileInfo::exists(path()));
        QCOMPARE(QFileInfo(path() + u".damaged"_s).isDir(), !pipe);
        QVERIFY(QFile::remove(path() + u".damaged"_s) || QDir().rmdir(path() + u".damaged"_s));
    }
}

namespace {

// A kill: nothing runs after it, neither the write's own clean-up nor a second attempt.
struct Killed
{};

// The system's calls, cut by a kill before call number `killAt` (from 0).
class KilledCalls : public FileSystemCalls
{
public:
    explicit KilledCalls(int killAt) : m_killAt(killAt) {}
    int open(const char *path, int flags, mode_t mode) override
    {
        step();
        return FileSystemCalls::open(path, flags, mode);
    }
    ssize_t write(int fd, const void *data, size_t size) override
    {
        step();
        return FileSystemCalls::write(fd, data, size);
    }
    int fsync(int fd) override
    {
        step();
        return FileSystemCalls::fsync(fd);
    }
    int close(int fd) override
    {
        step();
        return FileSystemCalls::close(fd);
    }
    int rename(const char *from, const char *to) override
    {
        step();
        return FileSystemCalls::rename(from, to);
    }

private:
    void step()
    {
        if (m_calls++ == m_killAt)
            throw Killed();
    }
    int m_killAt;
    int m_calls = 0;
};

} // namespace

// A kill at any step of writing the hall leaves the hall as it was or as it was to be, never
// damaged, and at most a temporary file that the next start sweeps away.
void TestHallOfFame::killedAtEveryStepOfTheWrite()
{
    HallOfFame before;
    before.enter(u"おかめ"_s, {u"花子"_s, 250, Played});
    HallOfFame after = before;
    after.enter(u"おかめ"_s, {u"たろう"_s, 280, Played});
    bool finished = false;
    int keptBefore = 0; // kills that left the hall as it was
    for (int step = 0; !finished; ++step) {
        QVERIFY2(step < 100, "the write never finished");
        HallOfFameFile::save(appDir(), before);
        try {
            KilledCalls calls(step);
            HallOfFameFile::save(appDir(), after, calls);
            finished = true;
        } catch (const Killed &) {
        }
        const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
        QVERIFY2(loaded.problem.isEmpty(), qPrintable(loaded.problem));
        QVERIFY2(loaded.hall == before || loaded.hall == after, qPrintable(u"killed at step %1"_s.arg(step)));
        if (finished)
            QCOMPARE(loaded.hall, after);
        else if (loaded.hall == before)
            ++keptBefore;
        const QStringList others = QDir(appDir() + u"data"_s)
                                       .entryList(QDir::Files | QDir::Hidden)
                                       .filter(QRegularExpression(u"^(?!halloffame\\.txt$)"_s));
        for (const QString &other : others) {
            QVERIFY2(isAtomicWriteTemporary(other), qPrintable(other));
            QVERIFY(QFile::remove(appDir() + u"data/"_s + other));
        }
    }
    // Every step before the rename is a kill that keeps the old hall.
    QVERIFY(keptBefore >= 4);
}

// A time written under another zone that this zone's clock skipped is no damage.
void TestHallOfFame::timeTheClockSkipped()
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "America/New_York");
    const QByteArray bytes = Heading + "おかめ\t250\t20240310023000\t花子\n";
    const std::optional<HallOfFame> hall = HallOfFameFile::parse(bytes);
    const QByteArray written = hall ? HallOfFameFile::toBytes(*hall) : QByteArray();
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    QCOMPARE(written, bytes);
}

void TestHallOfFame::failedSaveKeepsTheFile_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("larger than the limit") << false;
}

void TestHallOfFame::failedSaveKeepsTheFile()
{
    QFETCH(bool, readOnly);
    HallOfFame hall;
    hall.enter(u"おかめ"_s, {u"花子"_s, 250, Played});
    HallOfFameFile::save(appDir(), hall);
    const QByteArray before = TestFiles::readFile(path());
    HallOfFame next = readOnly ? hall : hugeHall();
    next.enter(u"おかめ"_s, {u"太郎"_s, 300, Played});
    {
        std::optional<ReadOnlyFolder> folder;
        if (readOnly && !folder.emplace(appDir() + u"data"_s).binds())
            QSKIP("This file system lets this user write to any folder.");
        QVERIFY(!messageOf([&] { HallOfFameFile::save(appDir(), next); }).isEmpty());
    }
    QCOMPARE(TestFiles::readFile(path()), before);
    QCOMPARE(QDir(appDir() + u"data"_s).entryList(QDir::Files | QDir::Hidden), QStringList{u"halloffame.txt"_s});
    QCOMPARE(HallOfFameFile::load(appDir()).hall, hall);
}

// Information only: a thousand faces with full halls, as the game reads them at start.
void TestHallOfFame::loadTiming()
{
    HallOfFame hall;
    for (int face = 0; face < 1000; ++face)
        for (int k = 0; k < HallOfFame::Places; ++k)
            hall.enter(u"顔%1"_s.arg(face), {u"プレイヤー%1"_s.arg(k), 300 - 7 * k, Played.addSecs(face * 60 + k)});
    HallOfFameFile::save(appDir(), hall);
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const HallOfFameFile::Loaded loaded = HallOfFameFile::load(appDir());
        best = std::min(best, timer.nsecsElapsed());
        QCOMPARE(loaded.hall, hall);
    }
    qInfo("loading 1,000 faces with full halls (10,000 entries): %.2f ms", double(best) / 1e6);
}

QTEST_APPLESS_MAIN(TestHallOfFame)
#include "tst_hall_of_fame.moc"
