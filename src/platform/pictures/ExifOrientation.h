#pragma once

#include <QByteArrayView>
#include <QImage>

// The orientation, 1 to 8 as EXIF numbers them, that a camera or a phone records for a photo it
// stored turned or mirrored: how the stored rows and columns are turned and mirrored to stand
// upright. 1 is upright as stored.
namespace ExifOrientation {

// The orientation in the payload of a JPEG's APP1 marker, from "Exif\0\0": a TIFF header and the
// first image file directory, where the orientation tag lives. A block without the tag, or
// damaged, gives 1: the picture as stored.
int fromApp1(QByteArrayView payload);

// Whether the orientation turns the picture a quarter, so that width and height swap.
inline bool turnsQuarter(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The picture turned and mirrored as the orientation asks, so that it stands upright, as
// Format_RGB32.
QImage upright(QImage picture, int orientation);

} // namespace ExifOrientation
