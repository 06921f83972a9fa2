#include "platform/pictures/ExifOrientation.h"

#include <QTransform>
#include <QtEndian>

#include <optional>

namespace ExifOrientation {

namespace {

constexpr quint16 OrientationTag = 0x0112;
constexpr quint16 ShortType = 3;
constexpr qint64 EntryBytes = 12;

// Reads the TIFF data in the byte order its header names; nothing past its end.
class TiffData
{
public:
    explicit TiffData(QByteArrayView bytes) : m_bytes(bytes), m_bigEndian(bytes.startsWith("MM")) {}

    bool hasByteOrder() const { return m_bigEndian || m_bytes.startsWith("II"); }

    std::optional<quint16> u16(qint64 at) const
    {
        if (at < 0 || at + 2 > m_bytes.size())
            return std::nullopt;
        const char *data = m_bytes.data() + at;
        return m_bigEndian ? qFromBigEndian<quint16>(data) : qFromLittleEndian<quint16>(data);
    }

    std::optional<quint32> u32(qint64 at) const
    {
        if (at < 0 || at + 4 > m_bytes.size())
            return std::nullopt;
        const char *data = m_bytes.data() + at;
        return m_bigEndian ? qFromBigEndian<quint32>(data) : qFromLittleEndian<quint32>(data);
    }

private:
    QByteArrayView m_bytes;
    bool m_bigEndian;
};

} // namespace

int fromApp1(QByteArrayView payload)
{
    const QByteArrayView signature("Exif\0\0", 6);
    if (!payload.startsWith(signature))
        return 1;
    const TiffData tiff(payload.sliced(signature.size()));
    if (!tiff.hasByteOrder() || tiff.u16(2) != 42)
        return 1;
    const std::optional<quint32> directory = tiff.u32(4);
    const std::optional<quint16> entries = directory ? tiff.u16(*directory) : std::nullopt;
    if (!entries)
        return 1;
    for (qint64 i = 0; i < *entries; ++i) {
        const qint64 entry = qint64(*directory) + 2 + i * EntryBytes;
        const std::optional<quint16> tag = tiff.u16(entry);
        if (!tag)
            return 1;
        if (*tag != OrientationTag)
            continue;
        // One SHORT, held in the entry itself.
        const std::optional<quint16> value = tiff.u16(entry + 8);
        if (tiff.u16(entry + 2) != ShortType || tiff.u32(entry + 4) != 1u || !value || *value < 1 || *value > 8)
            return 1;
        return *value;
    }
    return 1;
}

QImage upright(QImage picture, int orientation)
{
    // Each orientation as a mirror (left to right), a flip (top to bottom), or neither, then a
    // quarter turn clockwise or none: together they make all eight.
    struct Turn
    {
        bool mirror;
        bool flip;
        bool quarterTurn;
    };
    static constexpr Turn turns[9] = {{false, false, false}, {false, false, false}, {true, false, false},
                                      {true, true, false},   {false, true, false},  {false, true, true},
                                      {false, false, true},  {true, false, true},   {true, true, true}};
    if (orientation < 2 || orientation > 8)
        return picture.convertToFormat(QImage::Format_RGB32);
    const Turn turn = turns[orientation];
    if (turn.mirror || turn.flip)
        picture = std::move(picture).mirrored(turn.mirror, turn.flip);
    if (turn.quarterTurn)
        picture = picture.transformed(QTransform().rotate(90));
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace ExifOrientation
