#pragma once

#include <QImageIOHandler>

class QIODevice;

// The turn and mirror that a JPEG's EXIF orientation asks for, as cameras and phones record it.
// Qt's reader finds the tag in the header alone, reading from device no further than that;
// none when the device holds no JPEG header or no orientation.
QImageIOHandler::Transformations jpegOrientation(QIODevice &device);
