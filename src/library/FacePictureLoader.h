#pragma once

#include <QImage>
#include <QString>

#include <future>

class PictureBox;

namespace FacePictureLoader {

// Loads a part picture into its box: the box takes the file's size converted to screen pixels
// and holds a new bitmap of that size with the picture stretched into it. Throws AppError.
void loadPart(PictureBox &box, const QString &path, qint64 dpiScale);

// Loads a whole picture (the face or its outline) into a box that shows it by its own rule.
void loadWhole(PictureBox &box, const QString &path);

// Starts reading a whole picture on another thread (or, with no thread to spare, when it is
// asked for), so that other work can go on meanwhile.
std::future<QImage> readWholeInBackground(const QString &path);
// Puts that picture into its box once read; throws the AppError the reading met.
void loadWhole(PictureBox &box, std::future<QImage> &picture);

} // namespace FacePictureLoader
