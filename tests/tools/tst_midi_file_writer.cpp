#include "lib/MidiFileWriter.h"
#include "platform/system/AppError.h"

#include <QtTest>

#include <functional>

using TrackChange = std::function<void(MidiFileWriter::Track &)>;
Q_DECLARE_METATYPE(TrackChange)

class TestMidiFileWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variableLength_data();
    void variableLength();
    void variableLengthAboveFourBytesThrows();

    void headerOfOneTrackIsFormatZero();
    void headerOfSeveralTracksIsFormatOne();

    void noteWritesDeltasAndEndsAfterLastEvent();
    void eventsAreSortedWithNoteOffsBeforeNoteOns();
    void tempoAndProgramComeBeforeNotesAtOneTick();
    void setEndExtendsTheTrack();
    void longDeltaUsesSeveralBytes();

    void outOfRangeValuesThrow_data();
    void outOfRangeValuesThrow();
};

static QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

void TestMidiFileWriter::variableLength_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << 0u << hex("00");
    QTest::newRow("64") << 0x40u << hex("40");
    QTest::newRow("127") << 127u << hex("7F");
    QTest::newRow("128") << 128u << hex("8100");
    QTest::newRow("0x2000") << 0x2000u << hex("C000");
    QTest::newRow("0x3FFF") << 0x3FFFu << hex("FF7F");
    QTest::newRow("0x4000") << 0x4000u << hex("818000");
    QTest::newRow("0x1FFFFF") << 0x1FFFFFu << hex("FFFF7F");
    QTest::newRow("0x200000") << 0x200000u << hex("81808000");
    QTest::newRow("0x8000000") << 0x8000000u << hex("C0808000");
    QTest::newRow("0x0FFFFFFF") << 0x0FFFFFFFu << hex("FFFFFF7F");
}

void TestMidiFileWriter::variableLength()
{
    QFETCH(quint32, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(MidiFileWriter::variableLength(value).toHex(' '), bytes.toHex(' '));
}

void TestMidiFileWriter::variableLengthAboveFourBytesThrows()
{
    QVERIFY_THROWS_EXCEPTION(AppError, MidiFileWriter::variableLength(0x10000000u));
    QVERIFY_THROWS_EXCEPTION(AppError, MidiFileWriter::variableLength(0xFFFFFFFFu));
}

void TestMidiFileWriter::headerOfOneTrackIsFormatZero()
{
    MidiFileWriter file(480);
    file.addTrack(MidiFileWriter::Track());
    const QByteArray bytes = file.bytes();
    QCOMPARE(bytes.left(14).toHex(' '), hex("4D546864 00000006 0000 0001 01E0").toHex(' '));
    QCOMPARE(bytes.mid(14).toHex(' '), hex("4D54726B 00000004 00FF2F00").toHex(' '));
}

void TestMidiFileWriter::headerOfSeveralTracksIsFormatOne()
{
    MidiFileWriter file(96);
    for (int i = 0; i < 3; ++i)
        file.addTrack(MidiFileWriter::Track());
    const QByteArray bytes = file.bytes();
    QCOMPARE(bytes.left(14).toHex(' '), hex("4D546864 00000006 0001 0003 0060").toHex(' '));
    QCOMPARE(bytes.size(), 14 + 3 * 12);
    QCOMPARE(bytes.count("MTrk"), 3);
}

void TestMidiFileWriter::noteWritesDeltasAndEndsAfterLastEvent()
{
    MidiFileWriter::Track track;
    track.note(10, 480, 3, 60, 100);
    const QByteArray expected = hex("4D54726B 0000000D"
                                    "0A 933C64"   // note on after 10 ticks
                                    "8360 833C00" // note off 480 ticks later
                                    "00 FF2F00");
    QCOMPARE(track.chunk().toHex(' '), expected.toHex(' '));
}

void TestMidiFileWriter::eventsAreSortedWithNoteOffsBeforeNoteOns()
{
    MidiFileWriter::Track track;
    // Added out of order; the second note starts where the first ends, on the same key.
    track.note(100, 50, 0, 64, 90);
    track.note(0, 100, 0, 64, 80);
    const QByteArray expected = hex("4D54726B 00000014"
                                    "00 904050"
                                    "64 804000"
                                    "00 90405A"
                                    "32 804000"
                                    "00 FF2F00");
    QCOMPARE(track.chunk().toHex(' '), expected.toHex(' '));
}

void TestMidiFileWriter::tempoAndProgramComeBeforeNotesAtOneTick()
{
    MidiFileWriter::Track track;
    track.note(0, 1, 0, 60, 1);
    track.programChange(0, 0, 107);
    track.controlChange(0, 0, 7, 100);
    track.setTempo(0, 500000);
    const QByteArray expected = hex("4D54726B 0000001A"
                                    "00 C06B"
                                    "00 B00764"
                                    "00 FF5103 07A120"
                                    "00 903C01"
                                    "01 803C00"
                                    "00 FF2F00");
    QCOMPARE(track.chunk().toHex(' '), expected.toHex(' '));
}

void TestMidiFileWriter::setEndExtendsTheTrack()
{
    MidiFileWriter::Track track;
    track.note(0, 10, 0, 60, 64);
    track.setEnd(5); // earlier than the last event: no effect
    QVERIFY(track.chunk().endsWith(hex("00 FF2F00")));
    track.setEnd(200);
    QVERIFY(track.chunk().endsWith(hex("803C00 813E FF2F00")));
}

void TestMidiFileWriter::longDeltaUsesSeveralBytes()
{
    MidiFileWriter::Track track;
    track.programChange(0x4000, 15, 0);
    const QByteArray chunk = track.chunk();
    QCOMPARE(chunk.mid(8).toHex(' '), hex("818000 CF00 00 FF2F00").toHex(' '));
    QCOMPARE(chunk.mid(4, 4).toHex(' '), hex("00000009").toHex(' '));
}

void TestMidiFileWriter::outOfRangeValuesThrow_data()
{
    using Change = TrackChange;
    QTest::addColumn<Change>("change");
    QTest::newRow("channel 16") << Change([](auto &t) { t.note(0, 10, 16, 60, 64); });
    QTest::newRow("channel -1") << Change([](auto &t) { t.programChange(0, -1, 0); });
    QTest::newRow("key 128") << Change([](auto &t) { t.note(0, 10, 0, 128, 64); });
    QTest::newRow("velocity 0") << Change([](auto &t) { t.note(0, 10, 0, 60, 0); });
    QTest::newRow("velocity 128") << Change([](auto &t) { t.note(0, 10, 0, 60, 128); });
    QTest::newRow("duration 0") << Change([](auto &t) { t.note(0, 0, 0, 60, 64); });
    QTest::newRow("negative tick") << Change([](auto &t) { t.note(-1, 10, 0, 60, 64); });
    QTest::newRow("note past delta range") << Change([](auto &t) { t.note(0x0FFFFFFF, 1, 0, 60, 64); });
    QTest::newRow("program 128") << Change([](auto &t) { t.programChange(0, 0, 128); });
    QTest::newRow("controller value 128") << Change([](auto &t) { t.controlChange(0, 0, 7, 128); });
    QTest::newRow("tempo 0") << Change([](auto &t) { t.setTempo(0, 0); });
    QTest::newRow("tempo above 3 bytes") << Change([](auto &t) { t.setTempo(0, 0x1000000); });
    QTest::newRow("negative end") << Change([](auto &t) { t.setEnd(-5); });
}

void TestMidiFileWriter::outOfRangeValuesThrow()
{
    QFETCH(TrackChange, change);
    MidiFileWriter::Track track;
    QVERIFY_THROWS_EXCEPTION(AppError, change(track));
    // Nothing was added by the refused call.
    QCOMPARE(track.chunk().toHex(' '), MidiFileWriter::Track().chunk().toHex(' '));
}

QTEST_GUILESS_MAIN(TestMidiFileWriter)
#include "tst_midi_file_writer.moc"
