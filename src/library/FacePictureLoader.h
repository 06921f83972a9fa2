#pragma once

#include <QString>

class PictureBox;

namespace FacePictureLoader {

// Loads a part picture into its box: the box takes the file's size converted to screen pixels
// and holds a new bitmap of that size with the picture stretched into it. Throws AppError.
void loadPart(PictureBox &box, const QString &path, qint64 dpiScale);

// Loads a whole picture (the face or its outline) into a box that shows it by its own rule.
void loadWhole(PictureBox &box, const QString &path);

} // namespace FacePictureLoader
