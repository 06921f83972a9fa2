#include "about/TForm2.h"
#include "lib/MidiFileWriter.h"
#include "music/MidiPlayer.h"
#include "platform/CaptionLabel.h"
#include "platform/PictureBox.h"
#include "platform/ProfileFile.h"
#include "support/FormHarness.h"
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
    FormHarness &start(bool musicOn);
    void moveOver(QWidget *widget, QPoint pos);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<FormHarness> m_harness;
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

FormHarness &FlowHelpAndAbout::start(bool musicOn)
{
    ProfileFile(m_folder->indexPath()).writeBool(QStringLiteral("BGM"), QStringLiteral("Play"), musicOn);
    m_harness = std::make_unique<FormHarness>(m_folder->appDir(), true);
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
    FormHarness &h = start(false);
    h.w().Help2->trigger();
    QCOMPARE(h.desktop.openedFiles, QStringList{m_folder->path(QStringLiteral("作品について.txt"))});
    QVERIFY(h.dialogs.messages.isEmpty());
}

void FlowHelpAndAbout::helpFailureSaysSo()
{
    FormHarness &h = start(false);
    h.desktop.succeeds = false;
    h.w().Help2->trigger();
    QCOMPARE(h.dialogs.messages, QStringList{QStringLiteral("ヘルプを開けませんでした。")});
}

void FlowHelpAndAbout::aboutBoxLooksRight()
{
    FormHarness &h = start(false);
    TForm2 &about = h.form().form2();
    QVERIFY(about.isHidden());
    h.w().About1->trigger();
    QVERIFY(about.isVisible());
    QVERIFY(about.isModal());
    QCOMPARE(about.windowTitle(), QStringLiteral("ペタラ３のバージョン情報"));
    QCOMPARE(about.size(), QSize(307, 116));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(0, 0x80, 0));
    QCOMPARE(about.Label1->caption(), QStringLiteral("ペタラ　３　ver.2.30"));
    QCOMPARE(about.Label1->geometry(), QRect(0, 0, 224, 24));
    QCOMPARE(about.Label1->fontColor(), QColor(0xFF, 0xFF, 0));
    QCOMPARE(about.Label2->geometry(), QRect(52, 79, 245, 16));
    QCOMPARE(about.Label2->fontColor(), QColor(0x80, 0, 0x80));
    QVERIFY(about.Label2->font().underline());
    QCOMPARE(about.ImageRogo->geometry(), QRect(72, 34, 217, 39));
    QCOMPARE(about.ImageRogo->picture().size(), h.w().ImageRogo->picture().size());
    QVERIFY(!about.ImageRogo->picture().isNull());
    about.close();
    QVERIFY(about.isHidden());
}

void FlowHelpAndAbout::aboutPausesAndResumesPlayingMusic()
{
    FormHarness &h = start(true);
    MidiPlayer &player = h.form().player();
    QTRY_VERIFY(player.position() > 480);
    h.w().About1->trigger();
    QCOMPARE(player.position(), 0);
    QTest::qWait(200);
    QCOMPARE(player.position(), 0);
    h.form().form2().close();
    QTRY_VERIFY(player.position() > 0);
    QVERIFY(h.w().N2->isChecked());
}

void FlowHelpAndAbout::aboutLeavesStoppedMusicStopped()
{
    FormHarness &h = start(false);
    h.w().About1->trigger();
    h.form().form2().close();
    QTest::qWait(200);
    QCOMPARE(h.form().player().position(), 0);
    QVERIFY(h.w().N3->isChecked());
}

void FlowHelpAndAbout::linkLightsUpUnderThePointer()
{
    FormHarness &h = start(false);
    TForm2 &about = h.form().form2();
    h.w().About1->trigger();
    moveOver(about.Label2, QPoint(5, 5));
    QCOMPARE(about.Label2->fontColor(), QColor(0xFF, 0xFF, 0xFF));
    // Over the title label the link keeps its colour; over the bare box it turns purple again.
    moveOver(about.Label1, QPoint(5, 5));
    QCOMPARE(about.Label2->fontColor(), QColor(0xFF, 0xFF, 0xFF));
    moveOver(&about, QPoint(300, 110));
    QCOMPARE(about.Label2->fontColor(), QColor(0x80, 0, 0x80));
    about.close();
}

void FlowHelpAndAbout::linkOpensTheAuthorsPage()
{
    FormHarness &h = start(false);
    TForm2 &about = h.form().form2();
    h.w().About1->trigger();
    QTest::mouseClick(about.Label2, Qt::LeftButton);
    QCOMPARE(h.desktop.openedAddresses, QStringList{about.Label2->caption()});
    QVERIFY(h.dialogs.messages.isEmpty());
    h.desktop.succeeds = false;
    QTest::mouseClick(about.Label2, Qt::LeftButton);
    QCOMPARE(h.dialogs.messages, QStringList{QStringLiteral("作者サイトへの接続に失敗しました。")});
    QVERIFY(about.isVisible());
    about.close();
}

QTEST_MAIN(FlowHelpAndAbout)
#include "flow_help_and_about.moc"
