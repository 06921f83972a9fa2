#include "app/ProgramLock.h"
#include "app/SecondStart.h"
#include "support/TestProgramFolder.h"

#include <QProcess>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString alreadyRunning = u"petara3: ペタラ３はもう起動しています。"_s;
const QString broughtForward = u"起動中のウィンドウを前面に出しました。"_s;

// The game started on the folder, headless and silent.
std::unique_ptr<QProcess> startGame(const QString &appDir)
{
    auto game = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"PETARA_AUDIO_DRIVER"_s, u"file"_s);
    game->setProcessEnvironment(environment);
    game->start(QStringLiteral(GAME_PROGRAM), {u"--data-dir"_s, appDir});
    return game;
}

QString standardError(QProcess &game)
{
    return QString::fromUtf8(game.readAllStandardError());
}

} // namespace

// A second start on a program folder where the game already runs.
class FlowSecondStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void secondStartBringsTheFirstForward();
    void secondGameEndsAtOnce();
    void unreachableFirstKeepsTheMessage();
    void eachFolderHasItsOwnName();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<QProcess> m_first;
    std::unique_ptr<QProcess> m_second;
};

void FlowSecondStart::init()
{
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(2);
}

void FlowSecondStart::cleanup()
{
    for (QProcess *game : {m_first.get(), m_second.get()}) {
        if (game) {
            game->kill();
            game->waitForFinished();
        }
    }
    m_first.reset();
    m_second.reset();
}

// This process plays the running game: it holds the lock and listens, its window minimised.
void FlowSecondStart::secondStartBringsTheFirstForward()
{
    const std::unique_ptr<ProgramLock> lock = lockProgramFolder(m_folder->appDir());
    SecondStartListener listener;
    QVERIFY(listener.listen(m_folder->appDir()));
    QWidget window;
    window.showMinimized();
    listener.setWindow(&window);

    m_second = startGame(m_folder->appDir());
    QTRY_COMPARE_WITH_TIMEOUT(m_second->state(), QProcess::NotRunning, 30000);
    QCOMPARE(m_second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_second->exitCode(), 0);
    QVERIFY(standardError(*m_second).contains(alreadyRunning + broughtForward + u'\n'));
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
}

void FlowSecondStart::secondGameEndsAtOnce()
{
    m_first = startGame(m_folder->appDir());
    // Once it answers this process, the first game is up.
    QTRY_VERIFY_WITH_TIMEOUT(SecondStart::askRunningCopyForward(m_folder->appDir(), 200), 30000);
    m_second = startGame(m_folder->appDir());
    QVERIFY(m_second->waitForFinished(30000));
    QCOMPARE(m_second->exitCode(), 0);
    QVERIFY(standardError(*m_second).contains(broughtForward));
    QCOMPARE(m_first->state(), QProcess::Running);
}

// A running game that cannot be reached (here: a lock without a listener) keeps the old
// answer: the message, in a box that waits for the player.
void FlowSecondStart::unreachableFirstKeepsTheMessage()
{
    const std::unique_ptr<ProgramLock> lock = lockProgramFolder(m_folder->appDir());
    m_second = startGame(m_folder->appDir());
    QString said;
    QTRY_VERIFY_WITH_TIMEOUT((said += standardError(*m_second)).contains(alreadyRunning), 30000);
    QVERIFY2(!m_second->waitForFinished(1000), "the second start ended without its message box");
    said += standardError(*m_second);
    QVERIFY(said.contains(alreadyRunning + u'\n'));
    QVERIFY(!said.contains(broughtForward));
}

void FlowSecondStart::eachFolderHasItsOwnName()
{
    TestProgramFolder other;
    const QString appDir = m_folder->appDir();
    QCOMPARE(SecondStart::serverName(appDir + u"data/.."_s), SecondStart::serverName(appDir));
    QCOMPARE(SecondStart::serverName(appDir.chopped(1)), SecondStart::serverName(appDir));
    QVERIFY(SecondStart::serverName(other.appDir()) != SecondStart::serverName(appDir));
}

QTEST_MAIN(FlowSecondStart)
#include "flow_second_start.moc"
