#include "about/AboutBox.h"
#include "lib/MidiFileWriter.h"
#include "music/MidiPlayer.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/PictureBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QMouseEvent>

class FlowHelpAndAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void helpOpensTheTextBesideTheProgram();
    void helpFailureSaysSo();
    void aboutBoxLooksRight();
    void aboutPausesAndResumesPlayingMusic();
    void aboutLeavesStoppedMusicStopped();
    void linkLightsUpUnderThePointer();
    void linkOpensTheAuthorsPage();

private:
    WindowHarness &start(bool musicOn);
    void moveOver(QWidget *widget, QPoint pos);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowHelpAndAbout::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(2);
    MidiFileWriter writer;
    MidiFileWriter::Track track;
    for (int i = 0; i < 60; ++i)
        track.note(i * 480, 400, 0, 60, 90);
    writer.addTrack(track);
    m_folder->writeFile(QStringLiteral("data/tema84.mid"), writer.bytes());
}

void FlowHelpAndAbout::cleanup()
{
    m_harness.reset();
}

WindowHarness &FlowHelpAndAbout::start(bool musicOn)
{
    ProfileFile(m_folder->indexPath()).writeBool(QStringLiteral("BGM"), QStringLiteral("Play"), musicOn);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir(), true);
    m_harness->open();
    return *m_harness;
}

void FlowHelpAndAbout::moveOver(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void FlowHelpAndAbout::helpOpensTheTextBesideTheProgram()
{
    WindowHarness &h = start(false);
    h.w().helpAction->trigger();
    QCOMPARE(h.desktop.openedFiles, QStringList{m_folder->path(QStringLiteral("作品について.txt"))});
    QVERIFY(h.dialogs.messages.isEmpty());
}

void FlowHelpAndAbout::helpFailureSaysSo()
{
    WindowHarness &h = start(false);
    h.desktop.succeeds = false;
    h.w().helpAction->trigger();
    QCOMPARE(h.dialogs.messages, QStringList{QStringLiteral("ヘルプを開けませんでした。")});
}

void FlowHelpAndAbout::aboutBoxLooksRight()
{
    WindowHarness &h = start(false);
    AboutBox &about = h.form().aboutBox();
    QVERIFY(about.isHidden());
    h.w().aboutAction->trigger();
    QVERIFY(about.isVisible());
    QVERIFY(about.isModal());
    QCOMPARE(about.windowTitle(), QStringLiteral("ペタラ３のバージョン情報"));
    QCOMPARE(about.size(), QSize(307, 116));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(0, 0x80, 0));
    QCOMPARE(about.guidanceLabel->caption(), QStringLiteral("ペタラ　３　ver.2.30"));
    QCOMPARE(about.guidanceLabel->geometry(), QRect(0, 0, 224, 24));
    QCOMPARE(about.guidanceLabel->fontColor(), QColor(0xFF, 0xFF, 0));
    QCOMPARE(about.faceNameLabel->geometry(), QRect(52, 79, 245, 16));
    QCOMPARE(about.faceNameLabel->fontColor(), QColor(0x80, 0, 0x80));
    QVERIFY(about.faceNameLabel->font().underline());
    QCOMPARE(about.bannerPicture->geometry(), QRect(72, 34, 217, 39));
    QCOMPARE(about.bannerPicture->picture().size(), h.w().bannerPicture->picture().size());
    QVERIFY(!about.bannerPicture->picture().isNull());
    about.close();
    QVERIFY(about.isHidden());
}

void FlowHelpAndAbout::aboutPausesAndResumesPlayingMusic()
{
    WindowHarness &h = start(true);
    MidiPlayer &player = h.form().player();
    QTRY_VERIFY(player.position() > 480);
    h.w().aboutAction->trigger();
    QCOMPARE(player.position(), 0);
    QTest::qWait(200);
    QCOMPARE(player.position(), 0);
    h.form().aboutBox().close();
    QTRY_VERIFY(player.position() > 0);
    QVERIFY(h.w().musicOnAction->isChecked());
}

void FlowHelpAndAbout::aboutLeavesStoppedMusicStopped()
{
    WindowHarness &h = start(false);
    h.w().aboutAction->trigger();
    h.form().aboutBox().close();
    QTest::qWait(200);
    QCOMPARE(h.form().player().position(), 0);
    QVERIFY(h.w().musicOffAction->isChecked());
}

void FlowHelpAndAbout::linkLightsUpUnderThePointer()
{
    WindowHarness &h = start(false);
    AboutBox &about = h.form().aboutBox();
    h.w().aboutAction->trigger();
    moveOver(about.faceNameLabel, QPoint(5, 5));
    QCOMPARE(about.faceNameLabel->fontColor(), QColor(0xFF, 0xFF, 0xFF));
    // Over the title label the link keeps its colour; over the bare box it turns purple again.
    moveOver(about.guidanceLabel, QPoint(5, 5));
    QCOMPARE(about.faceNameLabel->fontColor(), QColor(0xFF, 0xFF, 0xFF));
    moveOver(&about, QPoint(300, 110));
    QCOMPARE(about.faceNameLabel->fontColor(), QColor(0x80, 0, 0x80));
    about.close();
}

void FlowHelpAndAbout::linkOpensTheAuthorsPage()
{
    WindowHarness &h = start(false);
    AboutBox &about = h.form().aboutBox();
    h.w().aboutAction->trigger();
    QTest::mouseClick(about.faceNameLabel, Qt::LeftButton);
    QCOMPARE(h.desktop.openedAddresses, QStringList{about.faceNameLabel->caption()});
    QVERIFY(h.dialogs.messages.isEmpty());
    h.desktop.succeeds = false;
    QTest::mouseClick(about.faceNameLabel, Qt::LeftButton);
    QCOMPARE(h.dialogs.messages, QStringList{QStringLiteral("作者サイトへの接続に失敗しました。")});
    QVERIFY(about.isVisible());
    about.close();
}

QTEST_MAIN(FlowHelpAndAbout)
#include "flow_help_and_about.moc"
