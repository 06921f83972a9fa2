#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Pictures that the player may choose: JPEG and Windows bitmap files.
namespace PictureFile {

enum class Kind { None, Bitmap, Jpeg };

// What the extension says the file holds: .bmp a bitmap, .jpg or .jpeg a JPEG, in any letter
// case; None for every other name.
Kind kindOf(const QString &path);

// The picture at path as Format_RGB32, chosen by its extension (.jpg, .jpeg, .bmp, any case),
// read from the file as the decoder needs it. A JPEG is turned upright by the orientation its
// EXIF data records, as cameras and phones leave it. Throws AppError for other extensions,
// missing, unreadable, corrupt or oversized files, and for files over maxPictureFileBytes.
QImage load(const QString &path);

// The Windows bitmap that device reads, bottom row first or top row first, as Format_RGB32.
// Throws AppError, naming fileNameForMessages, for corrupt, truncated, empty and oversized data.
QImage decodeBitmap(QIODevice &device, const QString &fileNameForMessages);
// The same from bytes in memory.
QImage decodeBitmap(const QByteArray &bytes, const QString &fileNameForMessages);

} // namespace PictureFile
