#include "app/ProgramFolderChoice.h"
#include "app/ProgramLock.h"
#include "platform/system/AppError.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using TestFiles::readFile;
using TestFiles::writeFile;

QString lockFailure(const QString &appDir, std::unique_ptr<ProgramLock> &lock)
{
    try {
        lock = lockProgramFolder(appDir);
    } catch (const AppError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestProgramFolderChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void choice_data();
    void choice();
    void firstStartFillsThePlayersFolder();
    void laterStartsLeaveThePlayersFolderAlone();
    void interruptedFirstStartCompletes();
    void runningInPlaceCopiesNothing();
    void secondInstanceIsTurnedAway();
    void lockOfAKilledInstanceIsTakenOver();

private:
    QString root(const QString &relative) const { return m_root->filePath(relative); }
    ProgramFolderChoice installedChoice() const
    {
        return chooseProgramFolder(root(u"usr/bin/petara3"_s), QString(), root(u"home/.local/share/petara3"_s));
    }

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestProgramFolderChoice::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    // A build tree beside an installed tree.
    writeFile(root(u"build/data/facedata.ini"_s), "[faces]\r\ncount=0\r\n");
    writeFile(root(u"usr/bin/petara3"_s), "program");
    writeFile(root(u"usr/share/petara3/data/facedata.ini"_s), "[faces]\r\ncount=1\r\n");
    writeFile(root(u"usr/share/petara3/data/face0_0.jpg"_s), "face");
    writeFile(root(u"usr/share/petara3/data/tomei.cur"_s), "cursor");
    writeFile(root(u"usr/share/petara3/作品について.txt"_s), "help");
}

void TestProgramFolderChoice::choice_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<QString>("appDir");
    QTest::addColumn<QString>("shipped");
    const QString user = u"home/.local/share/petara3/"_s;
    QTest::newRow("build tree runs in place") << "build/petara3"
                                              << ""
                                              << "build/"
                                              << "";
    QTest::newRow("installed runs in the player's folder") << "usr/bin/petara3"
                                                           << "" << user << "usr/share/petara3/";
    QTest::newRow("--data-dir wins over the build tree") << "build/petara3"
                                                         << "mine"
                                                         << "mine/"
                                                         << "share/petara3/";
    QTest::newRow("--data-dir for an installed program") << "usr/bin/petara3"
                                                         << "mine/"
                                                         << "mine/"
                                                         << "usr/share/petara3/";
    QTest::newRow("a folder without an index is no program folder") << "tmp/petara3"
                                                                    << "" << user << "share/petara3/";
}

void TestProgramFolderChoice::choice()
{
    QFETCH(QString, executable);
    QFETCH(QString, dataDir);
    QFETCH(QString, appDir);
    QFETCH(QString, shipped);
    const QString base = m_root->path() + u'/';
    const ProgramFolderChoice choice = chooseProgramFolder(
        base + executable, dataDir.isEmpty() ? QString() : base + dataDir, root(u"home/.local/share/petara3"_s));
    QCOMPARE(choice.appDir, base + appDir);
    QCOMPARE(choice.shippedFolder, shipped.isEmpty() ? QString() : base + shipped);
    QCOMPARE(choice.runsInPlace(), shipped.isEmpty());
}

void TestProgramFolderChoice::firstStartFillsThePlayersFolder()
{
    const ProgramFolderChoice choice = installedChoice();
    prepareProgramFolder(choice);
    for (const QString &relative :
         {u"data/facedata.ini"_s, u"data/face0_0.jpg"_s, u"data/tomei.cur"_s, u"作品について.txt"_s})
        QCOMPARE(readFile(choice.appDir + relative), readFile(root(u"usr/share/petara3/"_s + relative)));
    QVERIFY(QFileInfo(choice.appDir + u"Library"_s).isDir());
}

void TestProgramFolderChoice::laterStartsLeaveThePlayersFolderAlone()
{
    const ProgramFolderChoice choice = installedChoice();
    prepareProgramFolder(choice);
    // The player registered a face and deleted a shipped one; an upgrade ships a new index.
    writeFile(choice.appDir + u"data/facedata.ini"_s, "the player's index");
    QVERIFY(QFile::remove(choice.appDir + u"data/face0_0.jpg"_s));
    writeFile(choice.appDir + u"Library/work.jpg"_s, "a work");
    writeFile(root(u"usr/share/petara3/data/facedata.ini"_s), "[faces]\r\ncount=2\r\n");

    prepareProgramFolder(choice);
    QCOMPARE(readFile(choice.appDir + u"data/facedata.ini"_s), QByteArray("the player's index"));
    QVERIFY(!QFile::exists(choice.appDir + u"data/face0_0.jpg"_s));
    QCOMPARE(readFile(choice.appDir + u"Library/work.jpg"_s), QByteArray("a work"));
}

void TestProgramFolderChoice::interruptedFirstStartCompletes()
{
    const ProgramFolderChoice choice = installedChoice();
    // Killed after the first picture: the index, which is copied last, is not there yet.
    writeFile(choice.appDir + u"data/face0_0.jpg"_s, "face");
    prepareProgramFolder(choice);
    QCOMPARE(readFile(choice.appDir + u"data/facedata.ini"_s), QByteArray("[faces]\r\ncount=1\r\n"));
    QCOMPARE(readFile(choice.appDir + u"data/tomei.cur"_s), QByteArray("cursor"));
}

void TestProgramFolderChoice::runningInPlaceCopiesNothing()
{
    const ProgramFolderChoice choice = chooseProgramFolder(root(u"build/petara3"_s), QString(), root(u"home"_s));
    prepareProgramFolder(choice);
    QCOMPARE(QDir(root(u"build"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"data"_s});
    QVERIFY(!QFile::exists(root(u"home"_s)));
}

void TestProgramFolderChoice::secondInstanceIsTurnedAway()
{
    const QString appDir = root(u"build/"_s);
    std::unique_ptr<ProgramLock> first;
    std::unique_ptr<ProgramLock> second;
    QCOMPARE(lockFailure(appDir, first), QString());
    QCOMPARE(lockFailure(appDir, second), u"ペタラ３はもう起動しています。"_s);
    first.reset();
    QCOMPARE(lockFailure(appDir, second), QString());
}

void TestProgramFolderChoice::lockOfAKilledInstanceIsTakenOver()
{
    const QString appDir = root(u"build/"_s);
    // An instance killed while it holds the lock leaves the lock file behind.
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            const std::unique_ptr<ProgramLock> held = lockProgramFolder(appDir);
            ::kill(::getpid(), SIGKILL);
        } catch (...) {
        }
        ::_exit(2);
    }
    QVERIFY(child > 0);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    QVERIFY(QFile::exists(appDir + programLockName()));
    std::unique_ptr<ProgramLock> lock;
    QCOMPARE(lockFailure(appDir, lock), QString());
}

QTEST_GUILESS_MAIN(TestProgramFolderChoice)
#include "tst_program_folder.moc"
