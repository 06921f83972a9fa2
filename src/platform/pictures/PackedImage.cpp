#include "platform/pictures/PackedImage.h"

#include <QResource>
#include <QSysInfo>
#include <QtEndian>

#include <optional>

namespace PackedImage {

namespace {

constexpr char Magic[4] = {'P', 'K', 'I', 'M'};
constexpr qsizetype HeaderSize = 12;
// Far beyond any picture built in; it keeps the size arithmetic below from overflowing.
constexpr quint32 MaxSide = 16384;

// The width and height the header gives, when the bytes hold exactly such a picture.
std::optional<QSize> packedSize(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize || !bytes.startsWith(QByteArrayView(Magic, 4)))
        return std::nullopt;
    const uchar *in = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 width = qFromLittleEndian<quint32>(in + 4);
    const quint32 height = qFromLittleEndian<quint32>(in + 8);
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide
        || bytes.size() != HeaderSize + qsizetype(width) * height * 4)
        return std::nullopt;
    return QSize(int(width), int(height));
}

} // namespace

QByteArray pack(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes(HeaderSize + qsizetype(pixels.width()) * pixels.height() * 4, Qt::Uninitialized);
    uchar *out = reinterpret_cast<uchar *>(bytes.data());
    std::copy(Magic, Magic + 4, out);
    qToLittleEndian<quint32>(quint32(pixels.width()), out + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out + 8);
    out += HeaderSize;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x, out += 4)
            qToLittleEndian<quint32>(line[x], out);
    }
    return bytes;
}

QImage unpack(const QByteArray &bytes)
{
    const std::optional<QSize> size = packedSize(bytes);
    if (!size)
        return QImage();
    QImage image(*size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QImage();
    const uchar *in = reinterpret_cast<const uchar *>(bytes.constData()) + HeaderSize;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, in += 4)
            line[x] = qFromLittleEndian<quint32>(in);
    }
    return image;
}

QImage load(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid())
        return QImage();
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return unpack(resource.uncompressedData());
    // Built-in resources stay in memory as long as the program runs.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                                     qsizetype(resource.size()));
    const std::optional<QSize> size = packedSize(bytes);
    if (!size)
        return QImage();
    // On a little-endian machine the pixels are already laid out as the image wants them, and
    // the image reads them where they are; it copies them only if painted on.
    const uchar *pixels = resource.data() + HeaderSize;
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian && reinterpret_cast<quintptr>(pixels) % alignof(QRgb) == 0)
        return QImage(pixels, size->width(), size->height(), size->width() * 4, QImage::Format_ARGB32_Premultiplied);
    return unpack(bytes);
}

} // namespace PackedImage
