#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

// Windows cursor files (.cur): BMP-style entries of 1, 4, 8, 24 or 32 bits per pixel
// and PNG entries. Every read is bounded by the data given; bad data gives nullopt.
namespace CursorFile {

struct Picture
{
    QImage image;   // ARGB32; pixels the cursor leaves see-through have alpha 0
    QPoint hotSpot; // inside the image
};

// The picture of the entry nearest 32 × 32 and its hot spot, or nullopt when bytes are
// not a well-formed cursor file.
std::optional<Picture> decode(const QByteArray &bytes);

// The cursor in the file at path; nullopt for a missing, unreadable or malformed file.
// Needs a QGuiApplication.
std::optional<QCursor> load(const QString &path);

} // namespace CursorFile
