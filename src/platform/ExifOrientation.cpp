#include "platform/ExifOrientation.h"

#include <QTransform>
#include <QtEndian>

namespace ExifOrientation {

namespace {

constexpr quint16 OrientationTag = 0x0112;
constexpr quint16 ShortType = 3;

// Reads the TIFF structure inside an EXIF block in the byte order it declares, refusing every
// offset past its end.
class TiffReader
{
public:
    explicit TiffReader(QByteArrayView tiff) : m_tiff(tiff), m_littleEndian(tiff.startsWith("II")) {}

    bool valid() const { return (m_tiff.startsWith("II") || m_tiff.startsWith("MM")) && u16(2) == 42; }
    // -1 past the end.
    qint64 u16(qint64 at) const
    {
        if (at < 0 || at + 2 > m_tiff.size())
            return -1;
        const char *data = m_tiff.data() + at;
        return m_littleEndian ? qFromLittleEndian<quint16>(data) : qFromBigEndian<quint16>(data);
    }
    qint64 u32(qint64 at) const
    {
        if (at < 0 || at + 4 > m_tiff.size())
            return -1;
        const char *data = m_tiff.data() + at;
        return m_littleEndian ? qFromLittleEndian<quint32>(data) : qFromBigEndian<quint32>(data);
    }

private:
    QByteArrayView m_tiff;
    bool m_littleEndian;
};

} // namespace

int fromApp1(const QByteArray &payload)
{
    static constexpr QByteArrayView signature("Exif\0\0", 6);
    if (!QByteArrayView(payload).startsWith(signature))
        return 1;
    const TiffReader tiff(QByteArrayView(payload).sliced(signature.size()));
    if (!tiff.valid())
        return 1;
    // The orientation belongs to the first directory, which describes the main picture.
    const qint64 directory = tiff.u32(4);
    const qint64 entries = tiff.u16(directory);
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * i;
        if (tiff.u16(entry) != OrientationTag)
            continue;
        const qint64 value = tiff.u16(entry + 8);
        return tiff.u16(entry + 2) == ShortType && value >= 1 && value <= 8 ? int(value) : 1;
    }
    return 1;
}

QImage upright(QImage stored, int orientation)
{
    // Mirror and flip first, then a quarter turn clockwise; together they make all eight.
    const bool mirror = orientation == 2 || orientation == 3 || orientation == 7 || orientation == 8;
    const bool flip = orientation == 3 || orientation == 4 || orientation == 5 || orientation == 8;
    if (mirror || flip)
        stored = std::move(stored).mirrored(mirror, flip);
    if (turnsQuarter(orientation))
        stored = stored.transformed(QTransform().rotate(90));
    return stored.convertToFormat(QImage::Format_RGB32);
}

} // namespace ExifOrientation
