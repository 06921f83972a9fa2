#include "library/DeletionFiles.h"
#include "library/DeletionPlan.h"
#include "library/FacePaths.h"
#include "library/HallOfFameFile.h"
#include "library/LibraryIndex.h"
#include "platform/system/AppError.h"
#include "platform/files/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int Faces = 5;

// A kill: nothing of the deletion runs after it, not even a second attempt.
struct Killed
{};

QByteArray pictureBytes(int face, int k)
{
    return "picture " + QByteArray::number(face) + "." + QByteArray::number(k);
}

// Counts the file steps of a deletion and stops it at step `stopAt` (0: never).
struct StepCounter
{
    int stopAt = 0;
    bool kill = true;
    int steps = 0;
    void operator()()
    {
        if (++steps != stopAt)
            return;
        if (kill)
            throw Killed();
        throw AppError(u"書き込めませんでした。"_s);
    }
};

} // namespace

// A deletion cut short at any step, by a failure or a kill, ends in a library whose every face
// number has its own six pictures and its own section, once the next start has completed it.
class TestDeletionFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cutShortAtEveryStep_data();
    void cutShortAtEveryStep();
    void cutShortTwice_data();
    void cutShortTwice();
    void brokenJournalStopsTheStart();
    void picturesChangedBehindItsBackAreLeftAlone();

private:
    QString appDir() const { return m_dir->path() + u'/'; }
    void makeLibrary(int lackingFace = -1, int lackingPicture = -1);
    DeletionJournal journalFor(int deleted) const;
    // Checks that the library is whole: as before, or without `deleted` and the later faces moved down.
    void verifyConsistent(int deleted, int lackingFace = -1, int lackingPicture = -1) const;
    QMap<QString, QByteArray> dataFolder() const;
    static int stepsOf(int deleted);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDeletionFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkpath(u"data"_s);
}

void TestDeletionFiles::makeLibrary(int lackingFace, int lackingPicture)
{
    QByteArray text = "[faces]\r\ncount=" + QByteArray::number(Faces) + "\r\n";
    for (int n = 0; n < Faces; ++n) {
        text += "[" + QByteArray::number(n) + "]\r\nName=f" + QByteArray::number(n) + "\r\nX1=" + QByteArray::number(n)
                + "\r\n";
        for (int k = 0; k < 6; ++k) {
            if (n == lackingFace && k == lackingPicture)
                continue;
            QFile picture(FacePaths::facePicture(appDir(), n, k));
            QVERIFY(picture.open(QIODevice::WriteOnly));
            picture.write(pictureBytes(n, k));
        }
    }
    QFile index(FacePaths::indexFile(appDir()));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write(text + "[BGM]\r\nPlay=0\r\n");
    // Every face in the hall of fame, twice.
    HallOfFame hall;
    for (int n = 0; n < Faces; ++n) {
        for (int score : {200, 100})
            hall.enter(u"f%1"_s.arg(n), {u"たろう"_s, score + n, QDateTime(QDate(2026, 1, 1), QTime(9, 0))});
    }
    HallOfFameFile::save(appDir(), hall);
}

DeletionJournal TestDeletionFiles::journalFor(int deleted) const
{
    QFile index(FacePaths::indexFile(appDir()));
    index.open(QIODevice::ReadOnly);
    const LibraryIndex library = loadLibraryIndex(appDir(), 10000);
    DeletionJournal journal;
    journal.faceCount = int(library.Faces.size());
    journal.deleted = deleted;
    journal.newIndex = ProfileText::withEdits(
        index.readAll(),
        DeletionPlan::indexEdits(DeletionPlan::facesAfter(library.Faces, deleted), deleted, -1, -1, 10000));
    return journal;
}

int TestDeletionFiles::stepsOf(int deleted)
{
    TestDeletionFiles dry;
    dry.init();
    dry.makeLibrary();
    StepCounter counter;
    DeletionFiles(dry.appDir(), std::ref(counter)).run(dry.journalFor(deleted));
    return counter.steps;
}

QMap<QString, QByteArray> TestDeletionFiles::dataFolder() const
{
    QMap<QString, QByteArray> files;
    const QDir data(appDir() + u"data"_s);
    for (const QString &name : data.entryList(QDir::Files)) {
        QFile file(data.filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

void TestDeletionFiles::verifyConsistent(int deleted, int lackingFace, int lackingPicture) const
{
    QVERIFY(!QFile::exists(DeletionJournal::path(appDir())));
    const LibraryIndex library = loadLibraryIndex(appDir(), 10000);
    const int count = int(library.Faces.size());
    QVERIFY2(count == Faces || count == Faces - 1, qPrintable(QString::number(count)));
    for (int n = 0; n < Faces; ++n) {
        const int original = count == Faces || n < deleted ? n : n + 1;
        for (int k = 0; k < 6; ++k) {
            QFile picture(FacePaths::facePicture(appDir(), n, k));
            if (n >= count || (original == lackingFace && k == lackingPicture)) {
                QVERIFY2(!picture.exists(), qPrintable(picture.fileName()));
                continue;
            }
            QVERIFY2(picture.open(QIODevice::ReadOnly), qPrintable(picture.fileName()));
            QCOMPARE(picture.readAll(), pictureBytes(original, k));
        }
        if (n < count) {
            QCOMPARE(library.Faces[n].Name, u"f%1"_s.arg(original));
            QCOMPARE(library.Faces[n].X1, original);
        }
    }
    QCOMPARE(ProfileFile(FacePaths::indexFile(appDir())).readInteger(u"BGM"_s, u"Play"_s, 1), 0);
}

void TestDeletionFiles::cutShortAtEveryStep_data()
{
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("lackingFace");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("kill");
    struct Case
    {
        int deleted;
        int lackingFace; // lacks its nose picture
    };
    for (const Case &c : {Case{0, -1}, Case{2, -1}, Case{Faces - 1, -1}, Case{1, 3}, Case{1, 1}}) {
        const int steps = stepsOf(c.deleted);
        for (int step = 1; step <= steps; ++step) {
            for (bool kill : {true, false}) {
                QTest::addRow("face %d, face %d lacking its nose, %s at step %d of %d", c.deleted, c.lackingFace,
                              kill ? "killed" : "failing", step, steps)
                    << c.deleted << c.lackingFace << step << kill;
            }
        }
    }
}

void TestDeletionFiles::cutShortAtEveryStep()
{
    QFETCH(int, deleted);
    QFETCH(int, lackingFace);
    QFETCH(int, step);
    QFETCH(bool, kill);
    makeLibrary(lackingFace, 3);
    try {
        DeletionFiles(appDir(), StepCounter{step, kill}).run(journalFor(deleted));
        QFAIL("the deletion was not cut short");
    } catch (const Killed &) {
    } catch (const AppError &) {
        // A failure, unlike a kill, is followed at once by a second attempt.
        QCOMPARE(DeletionFiles(appDir()).finishPending(), step > 1);
    }
    finishInterruptedDeletion(appDir());
    verifyConsistent(deleted, lackingFace, 3);
    // The journal is the commit: from the step after it on, the deletion stands, and the deleted
    // face's hall of fame goes with it, the others' whole.
    QCOMPARE(loadLibraryIndex(appDir(), 10000).Faces.size(), step == 1 ? Faces : Faces - 1);
    const HallOfFameFile::Loaded hall = HallOfFameFile::load(appDir());
    QVERIFY(hall.problem.isEmpty());
    for (int n = 0; n < Faces; ++n) {
        const bool gone = n == deleted && step > 1;
        QCOMPARE(hall.hall.entries(u"f%1"_s.arg(n)).size(), gone ? 0 : 2);
    }
}

void TestDeletionFiles::cutShortTwice_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    // Deleting face 2 of 5: the journal, the index, the hall of fame, the journal again, 18 moves,
    // sync, tidy-up.
    QTest::newRow("writing the index, twice") << 2 << 1;
    QTest::newRow("the hall of fame, then the index") << 3 << 1;
    QTest::newRow("the hall of fame, twice") << 3 << 2;
    QTest::newRow("moving, then moving") << 11 << 4;
    QTest::newRow("moving, then removing the journal") << 13 << 12;
    QTest::newRow("removing the journal, twice") << 24 << 2;
}

void TestDeletionFiles::cutShortTwice()
{
    QFETCH(int, first);
    QFETCH(int, second);
    makeLibrary();
    QVERIFY_THROWS_EXCEPTION(Killed, DeletionFiles(appDir(), StepCounter{first}).run(journalFor(2)));
    QVERIFY_THROWS_EXCEPTION(Killed, DeletionFiles(appDir(), StepCounter{second}).finishPending());
    finishInterruptedDeletion(appDir());
    verifyConsistent(2);
    QVERIFY(HallOfFameFile::load(appDir()).hall.entries(u"f2"_s).isEmpty());
    QCOMPARE(HallOfFameFile::load(appDir()).hall.faces().size(), Faces - 1);
}

void TestDeletionFiles::brokenJournalStopsTheStart()
{
    makeLibrary();
    QVERIFY_THROWS_EXCEPTION(Killed, DeletionFiles(appDir(), StepCounter{12}).run(journalFor(0)));
    QFile journal(DeletionJournal::path(appDir()));
    QVERIFY(journal.open(QIODevice::ReadWrite));
    journal.resize(journal.size() - 1);
    journal.close();
    const QMap<QString, QByteArray> before = dataFolder();
    try {
        finishInterruptedDeletion(appDir());
        QFAIL("a broken journal was taken");
    } catch (const AppError &error) {
        QVERIFY2(error.message().startsWith(u"前回中断した顔の削除を仕上げられませんでした。\r顔の削除の記録「"_s),
                 qPrintable(error.message()));
    }
    QCOMPARE(dataFolder(), before);
}

void TestDeletionFiles::picturesChangedBehindItsBackAreLeftAlone()
{
    makeLibrary();
    QVERIFY_THROWS_EXCEPTION(Killed, DeletionFiles(appDir(), StepCounter{8}).run(journalFor(0)));
    // Face 4's whole-face picture, not moved yet, vanished while the program was down: no point of
    // the deletion leaves two empty numbers in a row.
    QVERIFY(QFile::remove(FacePaths::facePicture(appDir(), 4, 0)));
    const QMap<QString, QByteArray> before = dataFolder();
    QVERIFY_THROWS_EXCEPTION(AppError, finishInterruptedDeletion(appDir()));
    QCOMPARE(dataFolder(), before);
}

QTEST_GUILESS_MAIN(TestDeletionFiles)
#include "tst_deletion_files.moc"
