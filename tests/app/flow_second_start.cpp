#include "app/ProgramLock.h"
#include "app/SecondStart.h"
#include "support/TestProgramFolder.h"

#include <QProcess>
#include <QTest>
#include <QWidget>

#include <optional>

using namespace Qt::StringLiterals;

// A second start of the game on a folder where it already runs. This process plays the
// running game: it holds the folder's lock, and listens or not.
class FlowSecondStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void secondStartBringsTheFirstForward();
    void unreachableFirstKeepsTheMessage();

private:
    QString said() { return QString::fromUtf8(m_second.readAllStandardError()); }

    std::optional<TestProgramFolder> m_folder;
    std::unique_ptr<ProgramLock> m_lock;
    QProcess m_second;
};

void FlowSecondStart::init()
{
    m_folder.emplace().addFaces(2);
    m_lock = lockProgramFolder(m_folder->appDir());
    m_second.setProgram(QStringLiteral(GAME_PROGRAM));
    m_second.setArguments({u"--data-dir"_s, m_folder->appDir()});
}

void FlowSecondStart::cleanup()
{
    m_second.kill();
    m_second.waitForFinished();
    m_lock.reset();
}

void FlowSecondStart::secondStartBringsTheFirstForward()
{
    SecondStartListener listener;
    QVERIFY(listener.listen(m_folder->appDir()));
    QWidget window;
    window.showMinimized();
    listener.setWindow(&window);
    m_second.start();
    QTRY_COMPARE_WITH_TIMEOUT(m_second.state(), QProcess::NotRunning, 30000);
    QCOMPARE(m_second.exitCode(), 0);
    QVERIFY(said().contains(u"petara3: ペタラ３はもう起動しています。起動中のウィンドウを前面に出しました。\n"_s));
    QVERIFY(window.isVisible() && !window.isMinimized());
    // Another folder is another game.
    QVERIFY(SecondStart::serverName(TestProgramFolder().appDir()) != SecondStart::serverName(m_folder->appDir()));
}

// Here the lock is held but nobody listens: the old message, in a box that waits for the player.
void FlowSecondStart::unreachableFirstKeepsTheMessage()
{
    m_second.start();
    QString text;
    QTRY_VERIFY_WITH_TIMEOUT((text += said()).contains(u"ペタラ３はもう起動しています。"_s), 30000);
    QVERIFY2(!m_second.waitForFinished(1000), "the second start ended without its message box");
    QVERIFY(!(text += said()).contains(u"前面"_s));
}

QTEST_MAIN(FlowSecondStart)
#include "flow_second_start.moc"
