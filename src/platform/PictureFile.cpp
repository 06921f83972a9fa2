#include "platform/PictureFile.h"

#include "platform/AppError.h"
#include "platform/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace PictureFile {

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("ファイル「%1」が見つからないか、読み込めません。")
                               .arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

// The pixel count that a well-formed bitmap header claims, else 0. Qt's reader reports no size
// at all for huge pictures, which would hide why they are refused.
qint64 claimedPixels(const QByteArray &bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    const char *data = bytes.constData();
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

} // namespace

QImage decodeBitmap(const QByteArray &bytes, const QString &fileNameForMessages)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    // The header alone tells the size, so a huge picture is refused before any pixel is allocated.
    const QSize size = reader.size();
    const qint64 pixels = qMax(claimedPixels(bytes), size.isValid() ? qint64(size.width()) * size.height() : 0);
    if (pixels > JpegCodec::MaxPixels)
        throw AppError(QStringLiteral("「%1」は画像が大きすぎるため読み込めません（1億画素まで）。")
                               .arg(fileNameForMessages));
    const QImage image = size.isValid() && !size.isEmpty() ? reader.read() : QImage();
    if (image.isNull())
        throw AppError(QStringLiteral("「%1」はビットマップ画像として読み込めません。").arg(fileNameForMessages));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage load(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"jpg" || extension == u"jpeg")
        return JpegCodec::decodeFile(path);
    if (extension == u"bmp")
        return decodeBitmap(readFile(path), QFileInfo(path).fileName());
    throw AppError(QStringLiteral("「%1」は読み込める画像の種類ではありません（JPEG と BMP だけです）。")
                           .arg(QFileInfo(path).fileName()));
}

} // namespace PictureFile
