#include "app/FirstFrame.h"

#include <QLoggingCategory>
#include <QStringList>
#include <QTest>
#include <QWidget>

class TestFirstFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workRunsOnceAfterTheFirstFrameInOrder();
    void theFrameIsLoggedBeforeTheWorkStarts();
};

namespace {

QStringList *loggedTo = nullptr;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (loggedTo)
        loggedTo->append(QStringLiteral("log: ") + message);
}

} // namespace

void TestFirstFrame::workRunsOnceAfterTheFirstFrameInOrder()
{
    QWidget window;
    window.resize(200, 100);
    QStringList ran;
    afterFirstFrame(window, [&] {
        ran << QStringLiteral("music");
        // Work asked for by work runs in the same turn, after what was already waiting.
        afterFirstFrame(window, [&] { ran << QStringLiteral("asked for by the music"); });
    });
    afterFirstFrame(window, [&] { ran << QStringLiteral("cursor"); });
    QCoreApplication::processEvents();
    QVERIFY(ran.isEmpty());
    window.show();
    QTRY_COMPARE(ran, (QStringList{QStringLiteral("music"), QStringLiteral("cursor"),
                                   QStringLiteral("asked for by the music")}));
    window.repaint();
    QTest::qWait(20);
    QCOMPARE(ran.size(), 3);
}

void TestFirstFrame::theFrameIsLoggedBeforeTheWorkStarts()
{
    // The start-up benchmark reads the log line as the moment the window was on screen: the work
    // that waits for the frame (opening the sound font) must not come before it.
    QLoggingCategory::setFilterRules(QStringLiteral("petara.startup.info=true"));
    QStringList events;
    loggedTo = &events;
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    {
        QWidget window;
        window.resize(200, 100);
        logFirstFrame(window);
        afterFirstFrame(window, [&] { events << QStringLiteral("work"); });
        window.show();
        QTRY_COMPARE(events.size(), 2);
    }
    qInstallMessageHandler(previous);
    loggedTo = nullptr;
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(events, (QStringList{QStringLiteral("log: first frame"), QStringLiteral("work")}));
}

QTEST_MAIN(TestFirstFrame)
#include "tst_first_frame.moc"
