#include "platform/pictures/PictureFile.h"

#include "platform/system/AppError.h"
#include "platform/pictures/ExifOrientation.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureInput.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace PictureFile {

namespace {

// The pixel count that a well-formed bitmap header claims, else 0. Qt's reader reports no size
// at all for huge pictures, which would hide why they are refused.
qint64 claimedPixels(const QByteArray &header)
{
    if (header.size() < 30 || !header.startsWith("BM"))
        return 0;
    const char *data = header.constData();
    const quint32 headerSize = qFromLittleEndian<quint32>(data + 14);
    if (headerSize == 12) {
        if (qFromLittleEndian<quint16>(data + 22) != 1)
            return 0;
        return qint64(qFromLittleEndian<quint16>(data + 18)) * qFromLittleEndian<quint16>(data + 20);
    }
    const QList<quint32> infoHeaderSizes = {40, 52, 56, 64, 108, 124};
    if (!infoHeaderSizes.contains(headerSize) || qFromLittleEndian<quint16>(data + 26) != 1)
        return 0;
    const qint64 width = qFromLittleEndian<qint32>(data + 18);
    const qint64 height = qFromLittleEndian<qint32>(data + 22);
    return qAbs(width) * qAbs(height);
}

// The size Qt's reader finds in the header, invalid when it finds none. A bitmap stored top row
// first has a negative height in its header, and Qt reports it so; its picture is as tall.
QSize bitmapSize(QImageReader &reader)
{
    const QSize reported = reader.size();
    if (reported.width() > 0 && reported.height() < 0)
        return QSize(reported.width(), -reported.height());
    return reported;
}

} // namespace

QImage decodeBitmap(QIODevice &device, const QString &fileNameForMessages)
{
    const QByteArray header = device.peek(30);
    QImageReader reader(&device, "BMP");
    // The header alone tells the size, so a huge picture is refused before any pixel is allocated.
    const QSize size = bitmapSize(reader);
    const qint64 pixels = qMax(claimedPixels(header), size.isValid() ? qint64(size.width()) * size.height() : 0);
    if (pixels > JpegCodec::MaxPixels)
        throw AppError(
            QStringLiteral("「%1」は画像が大きすぎるため読み込めません（1億画素まで）。").arg(fileNameForMessages));
    const QImage image = size.isValid() && !size.isEmpty() ? reader.read() : QImage();
    if (image.isNull())
        throw AppError(QStringLiteral("「%1」はビットマップ画像として読み込めません。").arg(fileNameForMessages));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage decodeBitmap(const QByteArray &bytes, const QString &fileNameForMessages)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodeBitmap(buffer, fileNameForMessages);
}

namespace {

// libjpeg-turbo decodes the pixels and hands over the EXIF block read on the way.
QImage loadJpeg(const QString &path)
{
    QByteArray exif;
    QImage image = JpegCodec::decodeFile(path, &exif);
    return ExifOrientation::upright(std::move(image), ExifOrientation::fromApp1(exif));
}

} // namespace

Kind kindOf(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"jpg" || extension == u"jpeg")
        return Kind::Jpeg;
    if (extension == u"bmp")
        return Kind::Bitmap;
    return Kind::None;
}

QImage load(const QString &path)
{
    switch (kindOf(path)) {
    case Kind::Jpeg:
        return loadJpeg(path);
    case Kind::Bitmap:
        return decodeBitmap(*openPictureFile(path), QFileInfo(path).fileName());
    case Kind::None:
        break;
    }
    throw AppError(QStringLiteral("「%1」は読み込める画像の種類ではありません（JPEG と BMP だけです）。")
                       .arg(QFileInfo(path).fileName()));
}

} // namespace PictureFile
