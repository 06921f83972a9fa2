#pragma once

#include <QImage>
#include <QString>

// Pictures that the player may choose: JPEG and Windows bitmap files.
namespace PictureFile {

// The picture at path as Format_RGB32, chosen by its extension (.jpg, .jpeg, .bmp, any case).
// Throws AppError for other extensions, missing, unreadable, corrupt or oversized files.
QImage load(const QString &path);

// The Windows bitmap in bytes as Format_RGB32. Throws AppError, naming fileNameForMessages,
// for corrupt, truncated, empty and oversized data.
QImage decodeBitmap(const QByteArray &bytes, const QString &fileNameForMessages);

} // namespace PictureFile
