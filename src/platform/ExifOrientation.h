#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// The orientation a camera records in a JPEG's EXIF block: how the stored rows and columns are
// turned and mirrored to stand upright. Values 1 .. 8 as EXIF numbers them; 1 is upright as stored.
namespace ExifOrientation {

// The orientation in the payload of an APP1 segment (starting "Exif\0\0"); 1 when the payload
// records none or cannot be read.
int fromApp1(const QByteArray &payload);

// Whether the orientation turns the picture a quarter, so that width and height swap.
inline bool turnsQuarter(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The stored pixels turned upright, as Format_RGB32.
QImage upright(QImage stored, int orientation);

} // namespace ExifOrientation
