#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures through libjpeg-turbo. Every failure throws AppError with a message for the
// player; the decoder never allocates pixels for a picture over MaxPixels.
namespace JpegCodec {

constexpr qint64 MaxPixels = 100'000'000;

// The picture in bytes as Format_RGB32. Grey and CMYK pictures are converted; corrupt,
// truncated, empty, non-JPEG and oversized data are refused, naming fileNameForMessages.
QImage decode(const QByteArray &bytes, const QString &fileNameForMessages);
// The picture in the file at path, as decode() gives it, read from the file as the decoder needs
// it. A file over maxPictureFileBytes is refused before any of it is read. When exif is given,
// it receives the file's EXIF block (the payload of its APP1 marker), empty when there is none.
QImage decodeFile(const QString &path, QByteArray *exif = nullptr);

// The picture as a baseline three-component JPEG at quality 90, other settings the library's defaults.
QByteArray encode(const QImage &image);
// encode() written atomically to path, replacing any file there.
void encodeFile(const QImage &image, const QString &path);

} // namespace JpegCodec
