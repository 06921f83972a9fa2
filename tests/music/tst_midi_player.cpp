#include "lib/MidiFileWriter.h"
#include "music/MidiPlayer.h"
#include "platform/system/AppError.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

// The tunes here run at 120 beats a minute, 480 ticks a beat: 0.96 ticks a millisecond.
static constexpr double TicksPerMs = 0.96;

class TestMidiPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void nothingOpenIsHarmless();
    void openReportsLengthAndWaitsAtStart();
    void preparationOnAnotherThread();
    void playAdvancesInRealTime();
    void reachesTheEndAfterItsDuration();
    void stopKeepsThePosition();
    void rewindThenPlayStartsAgain();
    void rewindWhilePlayingGoesOnFromTheStart();
    void loopCheckRestartsAnEndedTune_data();
    void loopCheckRestartsAnEndedTune();
    void openingAnotherTuneClosesTheFirst();
    void unusableFilesAreRefused_data();
    void unusableFilesAreRefused();
    void playersComeAndGoCheaply();

private:
    // A tune of the given number of quarter notes, one a beat.
    QString writeTune(const QString &name, int beats);
    QString writeFile(const QString &name, const QByteArray &bytes);
    static QString openError(MidiPlayer &player, const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MidiPlayer> m_player;
};

void TestMidiPlayer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_player = std::make_unique<MidiPlayer>();
}

void TestMidiPlayer::cleanup()
{
    m_player.reset();
    m_dir.reset();
}

QString TestMidiPlayer::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString TestMidiPlayer::writeTune(const QString &name, int beats)
{
    MidiFileWriter::Track track;
    track.setTempo(0, 500000);
    track.programChange(0, 0, 0);
    for (int beat = 0; beat < beats; ++beat)
        track.note(beat * 480, 240, 0, 60 + beat % 12, 80);
    track.setEnd(beats * 480);
    MidiFileWriter file(480);
    file.addTrack(track);
    return writeFile(name, file.bytes());
}

QString TestMidiPlayer::openError(MidiPlayer &player, const QString &path)
{
    try {
        player.open(path);
    } catch (const AppError &error) {
        return error.message();
    }
    return {};
}

void TestMidiPlayer::nothingOpenIsHarmless()
{
    MidiPlayer &player = *m_player;
    QVERIFY(!player.isOpen());
    player.play();
    player.rewind();
    player.stop();
    QCOMPARE(player.position(), 0);
    QCOMPARE(player.length(), 0);
    player.close();
    player.close();
    QVERIFY(!player.isOpen());

    // The same after a tune has come and gone.
    player.open(writeTune(u"a.mid"_s, 2));
    player.play();
    player.close();
    QVERIFY(!player.isOpen());
    player.play();
    player.rewind();
    QCOMPARE(player.position(), 0);
    QCOMPARE(player.length(), 0);
}

void TestMidiPlayer::openReportsLengthAndWaitsAtStart()
{
    m_player->open(writeTune(u"two.mid"_s, 2));
    QVERIFY(m_player->isOpen());
    QCOMPARE(m_player->length(), 960);
    QCOMPARE(m_player->position(), 0);
    // Opening does not start the tune.
    QTest::qWait(150);
    QCOMPARE(m_player->position(), 0);
    // A rewind before the first play is no obstacle to it.
    m_player->rewind();
    m_player->play();
    QTRY_VERIFY(m_player->position() > 0);
}

void TestMidiPlayer::preparationOnAnotherThread()
{
    // A player that goes while its synthesizer is still being made waits for it and frees it.
    {
        MidiPlayer leaving;
        leaving.prepare();
    }
    // Preparing twice makes one synthesizer, which the first open() takes.
    m_player->prepare();
    m_player->prepare();
    m_player->open(writeTune(u"two.mid"_s, 2));
    QCOMPARE(m_player->length(), 960);
    m_player->play();
    QTRY_VERIFY(m_player->position() > 0);
    // Once a tune is open, preparing again changes nothing.
    m_player->prepare();
    QVERIFY(m_player->isOpen());
    const int before = m_player->position();
    QTRY_VERIFY(m_player->position() > before);
}

void TestMidiPlayer::playAdvancesInRealTime()
{
    m_player->open(writeTune(u"four.mid"_s, 4));
    QElapsedTimer clock;
    clock.start();
    m_player->play();
    // Pace needs wall time to pass; no condition to wait for.
    QTest::qWait(400);
    const int first = m_player->position();
    const double expected = clock.elapsed() * TicksPerMs;
    QVERIFY2(first > 0.5 * expected && first < 1.5 * expected + 20,
             qPrintable(QStringLiteral("%1 ticks after %2 ms").arg(first).arg(clock.elapsed())));
    QTRY_VERIFY(m_player->position() > first + 200);
    QVERIFY(m_player->position() < m_player->length());
}

void TestMidiPlayer::reachesTheEndAfterItsDuration()
{
    m_player->open(writeTune(u"one second.mid"_s, 2));
    QElapsedTimer clock;
    clock.start();
    m_player->play();
    QTRY_VERIFY_WITH_TIMEOUT(m_player->position() >= m_player->length(), 5000);
    QVERIFY2(clock.elapsed() >= 800, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_player->position(), 960);
    // At the end, playing again does not move it: the caller rewinds first.
    m_player->play();
    QTest::qWait(100);
    QCOMPARE(m_player->position(), 960);
}

void TestMidiPlayer::stopKeepsThePosition()
{
    m_player->open(writeTune(u"four.mid"_s, 4));
    m_player->play();
    QTRY_VERIFY(m_player->position() >= 300);
    m_player->stop();
    const int stoppedAt = m_player->position();
    QTest::qWait(200);
    QCOMPARE(m_player->position(), stoppedAt);
    QVERIFY(stoppedAt < 1000);
}

void TestMidiPlayer::rewindThenPlayStartsAgain()
{
    m_player->open(writeTune(u"four.mid"_s, 4));
    m_player->play();
    QTRY_VERIFY(m_player->position() >= 600);
    m_player->stop();
    m_player->rewind();
    QCOMPARE(m_player->position(), 0);
    QTest::qWait(100);
    QCOMPARE(m_player->position(), 0);

    m_player->play();
    QTRY_VERIFY(m_player->position() > 0);
    QVERIFY2(m_player->position() < 400, qPrintable(QString::number(m_player->position())));
    const int early = m_player->position();
    QTRY_VERIFY(m_player->position() > early);
}

void TestMidiPlayer::rewindWhilePlayingGoesOnFromTheStart()
{
    m_player->open(writeTune(u"four.mid"_s, 4));
    m_player->play();
    QTRY_VERIFY(m_player->position() >= 600);
    m_player->rewind();
    QVERIFY2(m_player->position() < 400, qPrintable(QString::number(m_player->position())));
    QTRY_VERIFY(m_player->position() >= 200);
    QVERIFY(m_player->position() < 600);
}

void TestMidiPlayer::loopCheckRestartsAnEndedTune_data()
{
    QTest::addColumn<int>("waitAfterEndMs");
    // Right at the end the last notes still sound; later FluidSynth has finished the tune.
    QTest::newRow("as it ends") << 0;
    QTest::newRow("long after") << 3500;
}

void TestMidiPlayer::loopCheckRestartsAnEndedTune()
{
    QFETCH(int, waitAfterEndMs);
    m_player->open(writeTune(u"one second.mid"_s, 2));
    m_player->play();
    QTRY_VERIFY_WITH_TIMEOUT(m_player->position() >= m_player->length(), 5000);
    if (waitAfterEndMs > 0) {
        QTest::qWait(waitAfterEndMs);
        QCOMPARE(m_player->position(), m_player->length());
    }

    // What the game's timer does when it finds the tune at its end.
    m_player->rewind();
    m_player->play();
    QVERIFY2(m_player->position() < 200, qPrintable(QString::number(m_player->position())));
    QTRY_VERIFY(m_player->position() >= 300);
    QVERIFY(m_player->position() < m_player->length());
}

void TestMidiPlayer::openingAnotherTuneClosesTheFirst()
{
    m_player->open(writeTune(u"first.mid"_s, 2));
    m_player->play();
    QTRY_VERIFY(m_player->position() > 100);

    m_player->open(writeTune(u"second.mid"_s, 4));
    QVERIFY(m_player->isOpen());
    QCOMPARE(m_player->length(), 1920);
    QCOMPARE(m_player->position(), 0);
    QTest::qWait(150);
    QCOMPARE(m_player->position(), 0);

    m_player->play();
    QTRY_VERIFY(m_player->position() > 100);
}

void TestMidiPlayer::unusableFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // written as the file unless the row makes none
    QTest::addColumn<QString>("expected");

    const QString notMidi = QStringLiteral("標準MIDIファイルではありません。");
    const QString missing = QStringLiteral("が見つかりません。");

    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator random(84);
    for (char &byte : noise)
        byte = char(random.bounded(256));

    MidiFileWriter valid(480);
    MidiFileWriter::Track track;
    for (int beat = 0; beat < 8; ++beat)
        track.note(beat * 480, 400, 0, 60, 80);
    valid.addTrack(track);
    const QByteArray good = valid.bytes();

    QByteArray noTracks = good.left(14);
    QByteArray badHeaderLength = good;
    badHeaderLength[7] = 5;
    QByteArray smpte = good;
    smpte[12] = char(0xE7); // -25 frames a second
    smpte[13] = 40;
    QByteArray runningStatusFirst = good.left(22) + QByteArray::fromHex("00 3C 40 00 FF2F00");
    runningStatusFirst[21] = 7;

    QTest::newRow("random bytes") << "noise.mid" << noise << notMidi;
    QTest::newRow("text renamed") << "readme.mid" << QByteArray("もういくつねると\r\nお正月\r\n") << notMidi;
    QTest::newRow("empty") << "empty.mid" << QByteArray() << notMidi;
    QTest::newRow("three bytes") << "short.mid" << QByteArray("MTh") << notMidi;
    QTest::newRow("header only") << "header.mid" << noTracks << notMidi;
    QTest::newRow("truncated track") << "cut.mid" << good.left(good.size() - 20) << notMidi;
    QTest::newRow("bad header length") << "header6.mid" << badHeaderLength << notMidi;
    QTest::newRow("SMPTE time") << "smpte.mid" << smpte << notMidi;
    QTest::newRow("running status without status") << "status.mid" << runningStatusFirst << notMidi;
    // Found by fuzzing: FluidSynth's player never finished reading it, and the game stood still.
    QTest::newRow("read for ever")
        << "forever.mid"
        << QByteArray::fromBase64("TVRoZAAAAAYAAAABAGBNVG1rAAAAHwD/AQQAAAAAAAAAAAAAAAAAAAAAAP///////////////////////"
                                  "//////////////////////////////////////qBnYy////////////////////////////////////"
                                  "TXJr/////////wAAAAAAAAAAAP8vAA==")
        << notMidi;
    QTest::newRow("missing") << "nowhere.mid" << QByteArray() << missing;
    QTest::newRow("folder") << "folder.mid" << QByteArray() << missing;
    QTest::newRow("huge") << "huge.mid" << QByteArray() << QStringLiteral("ファイルが大きすぎます。");
}

void TestMidiPlayer::unusableFilesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);

    const QString path = m_dir->filePath(name);
    const QString row = QString::fromUtf8(QTest::currentDataTag());
    if (row == u"folder") {
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    } else if (row == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MThd");
        QVERIFY(file.resize(17 * 1024 * 1024));
    } else if (row != u"missing") {
        writeFile(name, bytes);
    }

    // A tune that was open before is closed by the failed attempt.
    m_player->open(writeTune(u"before.mid"_s, 2));
    m_player->play();

    const QString message = openError(*m_player, path);
    QVERIFY2(message.contains(expected), qPrintable(message));
    QVERIFY2(message.contains(name), qPrintable(message));
    QVERIFY(message.startsWith(QStringLiteral("曲「")));
    QVERIFY(!m_player->isOpen());
    QCOMPARE(m_player->length(), 0);
    QCOMPARE(m_player->position(), 0);
    m_player->play();
    m_player->rewind();
    m_player->stop();

    m_player->open(writeTune(u"after.mid"_s, 2));
    QVERIFY(m_player->isOpen());
    QCOMPARE(m_player->length(), 960);
    m_player->play();
    QTRY_VERIFY(m_player->position() > 0);
}

void TestMidiPlayer::playersComeAndGoCheaply()
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 200; ++i)
        MidiPlayer idle;
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));

    // Destroyed while playing, and while stopped.
    const QString path = writeTune(u"short.mid"_s, 2);
    for (int i = 0; i < 3; ++i) {
        MidiPlayer player;
        player.open(path);
        player.play();
        if (i == 1)
            player.stop();
        else
            QTRY_VERIFY(player.position() > 0);
    }
}

QTEST_GUILESS_MAIN(TestMidiPlayer)
#include "tst_midi_player.moc"
