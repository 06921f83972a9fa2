#include "lib/MidiFileWriter.h"
#include "music/MidiPlayer.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QFile>

// The background tune with the real FluidSynth player (silent where there is no sound card).
class FlowBackgroundMusic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void musicOffInTheIndexLeavesStopChecked();
    void stopThenPlayRestartsFromTheBeginning();
    void loopCheckRestartsAnEndedTune();
    void missingConfiguredTunePlaysTheDefault();
    void choosingATuneWhileStoppedStartsIt();
    void cancelledChoiceChangesNothing();
    void corruptTuneGivesAMessageAndTheGameGoesOn();
    void closingStoresTheSwitch_data();
    void closingStoresTheSwitch();

private:
    // A tune of `beats` quarter notes at 120 beats a minute.
    QByteArray tune(int beats) const;
    WindowHarness &start(bool musicOn = true);
    void tickOpeningStep();
    int indexPlay() const;

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

QByteArray FlowBackgroundMusic::tune(int beats) const
{
    MidiFileWriter writer;
    MidiFileWriter::Track track;
    track.setTempo(0, 500000);
    for (int i = 0; i < beats; ++i)
        track.note(i * 480, 400, 0, 60 + i % 12, 90);
    writer.addTrack(track);
    return writer.bytes();
}

void FlowBackgroundMusic::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(2);
    m_folder->writeFile(QStringLiteral("data/tema84.mid"), tune(40));
}

void FlowBackgroundMusic::cleanup()
{
    m_harness.reset();
}

WindowHarness &FlowBackgroundMusic::start(bool musicOn)
{
    ProfileFile(m_folder->indexPath()).writeBool(QStringLiteral("BGM"), QStringLiteral("Play"), musicOn);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir(), true);
    m_harness->show();
    return *m_harness;
}

void FlowBackgroundMusic::tickOpeningStep()
{
    m_harness->form().tick();
}

int FlowBackgroundMusic::indexPlay() const
{
    return ProfileFile(m_folder->indexPath()).readInteger(QStringLiteral("BGM"), QStringLiteral("Play"), -1);
}

void FlowBackgroundMusic::musicOffInTheIndexLeavesStopChecked()
{
    WindowHarness &h = start(false);
    tickOpeningStep();
    QVERIFY(!h.w().musicOnAction->isChecked());
    QVERIFY(h.w().musicOffAction->isChecked());
    QVERIFY(h.form().player().isOpen());
    QTest::qWait(300);
    QCOMPARE(h.form().player().position(), 0);
    for (int i = 0; i < 3; ++i)
        h.form().tick();
    QCOMPARE(h.form().player().position(), 0);
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowBackgroundMusic::stopThenPlayRestartsFromTheBeginning()
{
    WindowHarness &h = start();
    tickOpeningStep();
    QVERIFY(h.w().musicOnAction->isChecked());
    MidiPlayer &player = h.form().player();
    QTRY_VERIFY(player.position() > 480);
    h.w().musicOffAction->trigger();
    QVERIFY(h.w().musicOffAction->isChecked() && !h.w().musicOnAction->isChecked());
    QVERIFY(!h.form().music().BgmOn);
    QCOMPARE(player.position(), 0);
    h.w().musicOffAction->trigger(); // already stopped: nothing changes
    QVERIFY(h.w().musicOffAction->isChecked() && !h.w().musicOnAction->isChecked());
    h.w().musicOnAction->trigger();
    QVERIFY(h.w().musicOnAction->isChecked() && !h.w().musicOffAction->isChecked());
    QVERIFY(h.form().music().BgmOn);
    QVERIFY(player.position() < 480);
    QTRY_VERIFY(player.position() > 0);
    h.w().musicOnAction->trigger(); // already playing: still playing, still checked
    QVERIFY(h.w().musicOnAction->isChecked() && !h.w().musicOffAction->isChecked());
}

void FlowBackgroundMusic::loopCheckRestartsAnEndedTune()
{
    m_folder->writeFile(QStringLiteral("data/tema84.mid"), tune(1));
    WindowHarness &h = start();
    tickOpeningStep();
    MidiPlayer &player = h.form().player();
    QTRY_VERIFY_WITH_TIMEOUT(player.position() >= player.length(), 5000);
    h.form().tick();
    QVERIFY(player.position() < player.length());
    QTRY_VERIFY(player.position() > 0);
}

void FlowBackgroundMusic::missingConfiguredTunePlaysTheDefault()
{
    const QString missing = m_folder->path(QStringLiteral("gone/song.mid"));
    ProfileFile(m_folder->indexPath()).writeString(QStringLiteral("BGM"), QStringLiteral("MusicFile"), missing);
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    WindowHarness &h = start();
    QCOMPARE(h.form().music().MusicFileName, missing);
    tickOpeningStep();
    QCOMPARE(h.form().music().MusicFileName, m_folder->path(QStringLiteral("data/tema84.mid")));
    QVERIFY(h.form().player().isOpen());
    QTRY_VERIFY(h.form().player().position() > 0);
    QVERIFY(h.dialogs.errors.isEmpty());
    QCOMPARE(ProfileFile(m_folder->indexPath()).readString(QStringLiteral("BGM"), QStringLiteral("MusicFile"), {}),
             missing);
    Q_UNUSED(before);
}

void FlowBackgroundMusic::choosingATuneWhileStoppedStartsIt()
{
    const QString chosen = m_folder->path(QStringLiteral("other.mid"));
    m_folder->writeFile(QStringLiteral("other.mid"), tune(8));
    WindowHarness &h = start(false);
    tickOpeningStep();
    h.dialogs.chosenFiles << chosen;
    h.w().chooseTuneAction->trigger();
    QCOMPARE(h.dialogs.fileDialogs.size(), 1);
    QVERIFY(h.dialogs.fileDialogs[0].endsWith(QStringLiteral("ミュージックファイル(*.mid)|*.mid")));
    QVERIFY(h.w().musicOnAction->isChecked() && !h.w().musicOffAction->isChecked());
    QVERIFY(h.form().music().BgmOn);
    QCOMPARE(h.form().music().MusicFileName, chosen);
    QCOMPARE(ProfileFile(m_folder->indexPath()).readString(QStringLiteral("BGM"), QStringLiteral("MusicFile"), {}),
             chosen);
    QTRY_VERIFY(h.form().player().position() > 0);
}

void FlowBackgroundMusic::cancelledChoiceChangesNothing()
{
    WindowHarness &h = start(false);
    tickOpeningStep();
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    h.w().chooseTuneAction->trigger();
    QVERIFY(h.w().musicOffAction->isChecked());
    QCOMPARE(m_folder->readFile(QStringLiteral("data/facedata.ini")), before);
}

void FlowBackgroundMusic::corruptTuneGivesAMessageAndTheGameGoesOn()
{
    m_folder->writeFile(QStringLiteral("data/tema84.mid"), QByteArray("MThd this is not a tune at all"));
    WindowHarness &h = start();
    tickOpeningStep();
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(!h.form().player().isOpen());
    // The rest of the opening still runs, and the timer's ticks raise nothing more.
    h.finishOpening();
    QVERIFY(h.w().selectButton->isVisible());
    for (int i = 0; i < 4; ++i)
        h.form().tick();
    QCOMPARE(h.dialogs.errors.size(), 1);
    // Stop and play keep the marks consistent; play tries the tune again and says so.
    h.w().musicOffAction->trigger();
    QVERIFY(h.w().musicOffAction->isChecked() && !h.form().music().BgmOn);
    h.w().musicOnAction->trigger();
    QVERIFY(h.w().musicOnAction->isChecked() && h.form().music().BgmOn);
    QCOMPARE(h.dialogs.errors.size(), 2);
    h.click(h.w().selectButton);
    QCOMPARE(h.form().library().FaceCount, 2);
}

void FlowBackgroundMusic::closingStoresTheSwitch_data()
{
    QTest::addColumn<bool>("stopFirst");
    QTest::newRow("playing") << false;
    QTest::newRow("stopped") << true;
}

void FlowBackgroundMusic::closingStoresTheSwitch()
{
    QFETCH(bool, stopFirst);
    WindowHarness &h = start();
    tickOpeningStep();
    if (stopFirst)
        h.w().musicOffAction->trigger();
    h.form().close();
    QCOMPARE(indexPlay(), stopFirst ? 0 : 1);
    QVERIFY(!h.form().player().isOpen());
}

QTEST_MAIN(FlowBackgroundMusic)
#include "flow_background_music.moc"
