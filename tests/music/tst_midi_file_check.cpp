#include "lib/MidiFileWriter.h"
#include "music/MidiFileCheck.h"

#include <QtTest>

// The check that a tune is a whole standard MIDI file before FluidSynth reads it.
class TestMidiFileCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyWellFormedFilesPass_data();
    void onlyWellFormedFilesPass();
};

namespace {

// A file of one track with these events, its chunk length taken from them.
QByteArray withEvents(const QByteArray &hexEvents, const QByteArray &header = "4D546864 00000006 0000 0001 0060")
{
    const QByteArray events = QByteArray::fromHex(hexEvents);
    QByteArray length(4, '\0');
    qToBigEndian<quint32>(quint32(events.size()), length.data());
    return QByteArray::fromHex(header) + "MTrk" + length + events;
}

} // namespace

void TestMidiFileCheck::onlyWellFormedFilesPass_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("passes");

    MidiFileWriter::Track melody;
    melody.setTempo(0, 500000);
    melody.note(0, 240, 0, 60, 90);
    MidiFileWriter two;
    two.addTrack(melody);
    two.addTrack(melody);
    // Read under ctest, which names the source folder; elsewhere the row fails on no bytes.
    QFile shipped(qEnvironmentVariable("PETARA_SOURCE_DIR") + QStringLiteral("/data/tema84.mid"));
    shipped.open(QIODevice::ReadOnly);

    QTest::newRow("the shipped tune") << shipped.readAll() << true;
    QTest::newRow("two tracks") << two.bytes() << true;
    QTest::newRow("running status, sysex, text")
        << withEvents("00903C40 10 3C00 00F0037E7FF7 00FF0104 74657874 00FF2F00") << true;
    QTest::newRow("no end of track") << withEvents("00903C40 103C00") << true;

    // A file that FluidSynth's player reads for ever: data bytes where an event should begin.
    QTest::newRow("no status to run on") << withEvents("00FF010400000000 0000000000") << false;
    QTest::newRow("tempo of zero") << withEvents("00FF5103000000 00FF2F00") << false;
    QTest::newRow("real-time byte") << withEvents("00F8 00FF2F00") << false;
    QTest::newRow("delta of five bytes") << withEvents("FFFFFFFF7F 903C40") << false;
    QTest::newRow("text past its chunk") << withEvents("00FF0110 7465") << false;
    QTest::newRow("note cut short") << withEvents("00903C") << false;
    QTest::newRow("data byte over 127") << withEvents("00903C80") << false;
    QTest::newRow("format 0 of two tracks") << two.bytes().replace(8, 2, QByteArray::fromHex("0000")) << false;
    QTest::newRow("SMPTE time") << withEvents("00FF2F00", "4D546864 00000006 0000 0001 E728") << false;
    QTest::newRow("another chunk first") << QByteArray::fromHex("4D546864 00000006 0000 0001 0060 58595A5A 00000000")
                                                + withEvents("00FF2F00").mid(14)
                                         << false;
    QTest::newRow("track longer than the file") << withEvents("00FF2F00").chopped(1) << false;
}

void TestMidiFileCheck::onlyWellFormedFilesPass()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, passes);
    QCOMPARE(isWellFormedMidiFile(file), passes);
}

QTEST_APPLESS_MAIN(TestMidiFileCheck)
#include "tst_midi_file_check.moc"
