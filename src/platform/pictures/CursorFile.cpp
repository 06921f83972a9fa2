#include "platform/pictures/CursorFile.h"

#include <QFile>
#include <QPixmap>

#include <cstdlib>

namespace CursorFile {
namespace {

constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
constexpr int MaxSide = 256;
constexpr int DirectorySize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;

// A bounds-checked little-endian view of a byte range.
class Bytes
{
public:
    Bytes(const QByteArray &data, qint64 offset, qint64 size) : m_data(data), m_offset(offset), m_size(size) {}

    bool has(qint64 at, qint64 count) const { return at >= 0 && count >= 0 && at + count <= m_size; }
    quint8 u8(qint64 at) const { return quint8(m_data[int(m_offset + at)]); }
    quint16 u16(qint64 at) const { return quint16(u8(at) | (u8(at + 1) << 8)); }
    quint32 u32(qint64 at) const { return quint32(u16(at)) | (quint32(u16(at + 2)) << 16); }
    qint32 i32(qint64 at) const { return qint32(u32(at)); }
    QByteArray slice(qint64 at, qint64 count) const { return m_data.mid(int(m_offset + at), int(count)); }

private:
    const QByteArray &m_data;
    qint64 m_offset;
    qint64 m_size;
};

struct Entry
{
    int width;
    int height;
    QPoint hotSpot;
    qint64 offset;
    qint64 size;
};

bool isPng(const Bytes &image)
{
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    if (!image.has(0, 8))
        return false;
    for (int i = 0; i < 8; ++i)
        if (image.u8(i) != quint8(signature[i]))
            return false;
    return true;
}

std::optional<QImage> decodePng(const Bytes &image, qint64 size)
{
    QImage picture = QImage::fromData(image.slice(0, size), "PNG");
    if (picture.isNull() || picture.width() > MaxSide || picture.height() > MaxSide)
        return std::nullopt;
    return picture.convertToFormat(QImage::Format_ARGB32);
}

qint64 stride(qint64 width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

int bitsAt(const Bytes &bits, qint64 rowStart, int x, int bitCount)
{
    const qint64 bit = qint64(x) * bitCount;
    const quint8 byte = bits.u8(rowStart + bit / 8);
    const int shift = 8 - bitCount - int(bit % 8);
    return (byte >> shift) & ((1 << bitCount) - 1);
}

// The BMP-style entry: the colour (XOR) bitmap followed by the 1-bit AND mask, both
// bottom-up, the header's height counting both.
std::optional<QImage> decodeBitmap(const Bytes &image)
{
    if (!image.has(0, InfoHeaderSize))
        return std::nullopt;
    const quint32 headerSize = image.u32(0);
    const qint32 width = image.i32(4);
    const qint32 doubleHeight = image.i32(8);
    const int bitCount = image.u16(14);
    const quint32 compression = image.u32(16);
    const quint32 coloursUsed = image.u32(32);
    if (headerSize < InfoHeaderSize || headerSize > 1024 || image.u16(12) != 1 || compression != 0)
        return std::nullopt;
    if (width <= 0 || width > MaxSide || doubleHeight <= 0 || doubleHeight % 2 != 0 || doubleHeight / 2 > MaxSide)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    const int height = doubleHeight / 2;

    const quint32 paletteCapacity = bitCount <= 8 ? (1u << bitCount) : 0;
    const quint32 paletteSize = bitCount <= 8 ? (coloursUsed == 0 ? paletteCapacity : coloursUsed) : 0;
    if (paletteSize > paletteCapacity)
        return std::nullopt;
    const qint64 paletteStart = headerSize;
    const qint64 colourStart = paletteStart + 4 * qint64(paletteSize);
    const qint64 colourStride = stride(width, bitCount);
    const qint64 maskStart = colourStart + colourStride * height;
    const qint64 maskStride = stride(width, 1);
    if (!image.has(paletteStart, 4 * qint64(paletteSize)) || !image.has(colourStart, colourStride * height))
        return std::nullopt;
    // A 32-bit entry may carry its transparency in alpha alone and omit the mask.
    const bool hasMask = image.has(maskStart, maskStride * height);
    if (!hasMask && bitCount != 32)
        return std::nullopt;

    bool usesAlpha = false;
    if (bitCount == 32)
        for (int y = 0; y < height && !usesAlpha; ++y)
            for (int x = 0; x < width && !usesAlpha; ++x)
                usesAlpha = image.u8(colourStart + y * colourStride + 4 * x + 3) != 0;

    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const qint64 row = height - 1 - y;
        const qint64 colourRow = colourStart + row * colourStride;
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb colour;
            int alpha = 255;
            if (bitCount <= 8) {
                const int index = bitsAt(image, colourRow, x, bitCount);
                if (quint32(index) >= paletteSize)
                    return std::nullopt;
                const qint64 at = paletteStart + 4 * index;
                colour = qRgb(image.u8(at + 2), image.u8(at + 1), image.u8(at));
            } else {
                const qint64 at = colourRow + qint64(x) * (bitCount / 8);
                colour = qRgb(image.u8(at + 2), image.u8(at + 1), image.u8(at));
                if (usesAlpha)
                    alpha = image.u8(at + 3);
            }
            const bool masked = hasMask && bitsAt(image, maskStart + row * maskStride, x, 1) == 1;
            if (masked && !usesAlpha) {
                // Masked black leaves the screen alone; masked colour inverts it, which an
                // ARGB cursor cannot do, so it shows as black.
                alpha = (colour & 0xffffff) == 0 ? 0 : 255;
                colour = qRgb(0, 0, 0);
            }
            line[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha);
        }
    }
    return picture;
}

std::optional<Entry> chooseEntry(const Bytes &file)
{
    if (!file.has(0, DirectorySize) || file.u16(0) != 0 || file.u16(2) != 2)
        return std::nullopt;
    const int count = file.u16(4);
    if (count == 0 || !file.has(DirectorySize, qint64(count) * EntrySize))
        return std::nullopt;
    const qint64 directoryEnd = DirectorySize + qint64(count) * EntrySize;
    std::optional<Entry> best;
    for (int i = 0; i < count; ++i) {
        const qint64 at = DirectorySize + qint64(i) * EntrySize;
        Entry entry{file.u8(at) == 0 ? 256 : file.u8(at), file.u8(at + 1) == 0 ? 256 : file.u8(at + 1),
                    QPoint(file.u16(at + 4), file.u16(at + 6)), file.u32(at + 12), file.u32(at + 8)};
        // A directory that points into itself or past the end is not trusted at all.
        if (entry.offset < directoryEnd || !file.has(entry.offset, entry.size))
            return std::nullopt;
        const auto distance = [](const Entry &e) { return std::abs(e.width - 32) + std::abs(e.height - 32); };
        if (!best || distance(entry) < distance(*best))
            best = entry;
    }
    return best;
}

} // namespace

std::optional<Picture> decode(const QByteArray &bytes)
{
    const Bytes file(bytes, 0, bytes.size());
    const std::optional<Entry> entry = chooseEntry(file);
    if (!entry)
        return std::nullopt;
    const Bytes image(bytes, entry->offset, entry->size);
    const std::optional<QImage> picture = isPng(image) ? decodePng(image, entry->size) : decodeBitmap(image);
    if (!picture)
        return std::nullopt;
    const QPoint hotSpot(qBound(0, entry->hotSpot.x(), picture->width() - 1),
                         qBound(0, entry->hotSpot.y(), picture->height() - 1));
    return Picture{*picture, hotSpot};
}

std::optional<QCursor> load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    const std::optional<Picture> picture = decode(file.readAll());
    if (!picture)
        return std::nullopt;
    return QCursor(QPixmap::fromImage(picture->image), picture->hotSpot.x(), picture->hotSpot.y());
}

} // namespace CursorFile
