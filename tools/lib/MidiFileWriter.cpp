#include "lib/MidiFileWriter.h"

#include "platform/system/AppError.h"

#include <algorithm>
#include <initializer_list>

namespace {

void appendBigEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

void check(bool inRange, const char *what)
{
    if (!inRange)
        throw AppError(QStringLiteral("MIDI データの値が範囲外です（%1）。").arg(QLatin1String(what)));
}

void checkTick(int tick)
{
    // Ticks stay within what a delta time can hold, so sums of them cannot overflow.
    check(tick >= 0 && tick <= 0x0FFFFFFF, "tick");
}

void checkChannelMessage(int tick, int channel, int data)
{
    checkTick(tick);
    check(channel >= 0 && channel <= 15, "channel");
    check(data >= 0 && data <= 127, "data");
}

QByteArray message(std::initializer_list<int> bytes)
{
    QByteArray message;
    for (int byte : bytes)
        message.append(char(byte));
    return message;
}

} // namespace

void MidiFileWriter::Track::setTempo(int tick, int microsecondsPerQuarter)
{
    checkTick(tick);
    check(microsecondsPerQuarter > 0 && microsecondsPerQuarter <= 0xFFFFFF, "tempo");
    QByteArray bytes("\xFF\x51\x03", 3);
    appendBigEndian(bytes, quint32(microsecondsPerQuarter), 3);
    add(tick, 0, bytes);
}

void MidiFileWriter::Track::programChange(int tick, int channel, int program)
{
    checkChannelMessage(tick, channel, program);
    add(tick, 0, message({0xC0 | channel, program}));
}

void MidiFileWriter::Track::controlChange(int tick, int channel, int controller, int value)
{
    checkChannelMessage(tick, channel, controller);
    check(value >= 0 && value <= 127, "value");
    add(tick, 0, message({0xB0 | channel, controller, value}));
}

void MidiFileWriter::Track::note(int tick, int duration, int channel, int key, int velocity)
{
    checkChannelMessage(tick, channel, key);
    check(duration > 0 && duration <= 0x0FFFFFFF - tick, "duration");
    // Velocity 0 would make the note on a note off.
    check(velocity >= 1 && velocity <= 127, "velocity");
    add(tick, 2, message({0x90 | channel, key, velocity}));
    add(tick + duration, 1, message({0x80 | channel, key, 0}));
}

void MidiFileWriter::Track::setEnd(int tick)
{
    checkTick(tick);
    m_end = std::max(m_end, tick);
}

void MidiFileWriter::Track::add(int tick, int rank, const QByteArray &bytes)
{
    m_events.append({tick, rank, bytes});
}

QByteArray MidiFileWriter::Track::chunk() const
{
    QList<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });

    QByteArray data;
    int now = 0;
    for (const Event &event : events) {
        data += variableLength(quint32(event.tick - now));
        data += event.bytes;
        now = event.tick;
    }
    data += variableLength(quint32(std::max(m_end - now, 0)));
    data += QByteArray("\xFF\x2F\x00", 3);

    QByteArray chunk("MTrk");
    appendBigEndian(chunk, quint32(data.size()), 4);
    return chunk + data;
}

MidiFileWriter::MidiFileWriter(int ticksPerQuarter) : m_ticksPerQuarter(ticksPerQuarter)
{
    // The top bit of the division would mean SMPTE time, which this writer does not make.
    check(ticksPerQuarter > 0 && ticksPerQuarter <= 0x7FFF, "division");
}

void MidiFileWriter::addTrack(const Track &track)
{
    check(m_tracks.size() < 0xFFFF, "tracks");
    m_tracks.append(track);
}

QByteArray MidiFileWriter::bytes() const
{
    QByteArray bytes("MThd");
    appendBigEndian(bytes, 6, 4);
    appendBigEndian(bytes, m_tracks.size() == 1 ? 0 : 1, 2);
    appendBigEndian(bytes, quint32(m_tracks.size()), 2);
    appendBigEndian(bytes, quint32(m_ticksPerQuarter), 2);
    for (const Track &track : m_tracks)
        bytes += track.chunk();
    return bytes;
}

QByteArray MidiFileWriter::variableLength(quint32 value)
{
    check(value <= 0x0FFFFFFF, "length");
    QByteArray bytes(1, char(value & 0x7F));
    while (value >>= 7)
        bytes.prepend(char((value & 0x7F) | 0x80));
    return bytes;
}
