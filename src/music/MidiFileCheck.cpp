#include "music/MidiFileCheck.h"

#include <QtEndian>

#include <optional>

namespace {

// Reads one chunk's bytes front to back; every read fails past the end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    qsizetype left() const { return m_bytes.size() - m_at; }

    std::optional<quint8> byte()
    {
        if (atEnd())
            return std::nullopt;
        return quint8(m_bytes[m_at++]);
    }

    // A variable-length quantity: 7 bits a byte, at most four bytes.
    std::optional<quint32> variableLength()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::optional<quint8> next = byte();
            if (!next)
                return std::nullopt;
            value = (value << 7) | (*next & 0x7F);
            if (!(*next & 0x80))
                return value;
        }
        return std::nullopt;
    }

    bool skip(quint32 count)
    {
        if (count > quint32(left()))
            return false;
        m_at += count;
        return true;
    }

    std::optional<QByteArrayView> take(quint32 count)
    {
        if (count > quint32(left()))
            return std::nullopt;
        const QByteArrayView taken = m_bytes.sliced(m_at, count);
        m_at += count;
        return taken;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

constexpr quint8 MetaEvent = 0xFF;
constexpr quint8 EndOfTrack = 0x2F;
constexpr quint8 SetTempo = 0x51;

// The data bytes that follow a channel message's status byte.
int dataBytesOf(quint8 status)
{
    const quint8 kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool isWellFormedTrack(QByteArrayView events)
{
    Reader track(events);
    quint8 runningStatus = 0;
    while (!track.atEnd()) {
        if (!track.variableLength())
            return false;
        const std::optional<quint8> first = track.byte();
        if (!first)
            return false;
        if (*first == MetaEvent) {
            const std::optional<quint8> type = track.byte();
            const std::optional<quint32> length = track.variableLength();
            if (!type || *type >= 0x80 || !length)
                return false;
            const std::optional<QByteArrayView> data = track.take(*length);
            if (!data)
                return false;
            // A tempo of no microseconds a quarter note would have the player never leave its tick.
            if (*type == SetTempo && (*length != 3 || ((*data)[0] == 0 && (*data)[1] == 0 && (*data)[2] == 0)))
                return false;
            if (*type == EndOfTrack)
                return *length == 0;
            runningStatus = 0;
        } else if (*first == 0xF0 || *first == 0xF7) {
            const std::optional<quint32> length = track.variableLength();
            if (!length || !track.skip(*length))
                return false;
            runningStatus = 0;
        } else if (*first >= 0xF0) {
            return false; // real-time and common messages have no place in a file
        } else {
            // A status byte, or the first data byte under the running status.
            const bool hasStatus = *first >= 0x80;
            if (hasStatus)
                runningStatus = *first;
            if (runningStatus == 0)
                return false;
            for (int i = hasStatus ? 0 : 1; i < dataBytesOf(runningStatus); ++i) {
                const std::optional<quint8> data = track.byte();
                if (!data || *data >= 0x80)
                    return false;
            }
        }
    }
    // A track may end with its chunk as well as with an end-of-track event.
    return true;
}

} // namespace

bool isWellFormedMidiFile(QByteArrayView bytes)
{
    Reader file(bytes);
    const std::optional<QByteArrayView> header = file.take(14);
    if (!header || !header->startsWith("MThd") || qFromBigEndian<quint32>(header->data() + 4) != 6)
        return false;
    const quint16 format = qFromBigEndian<quint16>(header->data() + 8);
    const quint16 tracks = qFromBigEndian<quint16>(header->data() + 10);
    const quint16 division = qFromBigEndian<quint16>(header->data() + 12);
    // Time in frames of SMPTE time code (the top bit set) is beyond the player.
    if (format > 2 || tracks == 0 || (format == 0 && tracks != 1) || division == 0 || (division & 0x8000))
        return false;
    for (int i = 0; i < tracks; ++i) {
        const std::optional<QByteArrayView> chunkHeader = file.take(8);
        if (!chunkHeader || !chunkHeader->startsWith("MTrk"))
            return false;
        const std::optional<QByteArrayView> events = file.take(qFromBigEndian<quint32>(chunkHeader->data() + 4));
        if (!events || !isWellFormedTrack(*events))
            return false;
    }
    return true;
}
