#pragma once

#include <QByteArrayView>
#include <QImage>

// The orientation, 1 to 8 as EXIF numbers them, that a camera or a phone records for a photo it
// stored turned or mirrored. exif is the payload of the JPEG's APP1 marker, from "Exif\0\0":
// a TIFF header and the first image file directory, where the orientation tag lives. A block
// without the tag, or damaged, gives 1: the picture as stored.
int exifOrientation(QByteArrayView exif);

// The picture turned and mirrored as the orientation asks, so that it stands upright.
QImage upright(QImage picture, int orientation);
