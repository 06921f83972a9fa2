#pragma once

#include <QFile>
#include <QString>

#include <memory>

// Opens the picture file at path for a decoder that reads it as it needs it, never whole.
// Throws AppError, before a byte of it is read, when path names no regular file (a pipe or a
// device would never end), when it cannot be opened, and when it is larger than
// maxPictureFileBytes.
std::unique_ptr<QFile> openPictureFile(const QString &path);
