#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>

// A face that face creation has finished, as registration takes it: its six pictures and
// where each piece belongs. Parts are numbered 1 right eye, 2 left eye, 3 nose, 4 mouth.
struct NewFace
{
    QString Name;
    // 0 the whole face and 5 the blank outline, both at the display size; 1 .. 4 the pieces.
    std::array<QImage, 6> pictures;
    // The top-left corner of piece k on the face picture, in its pixels (element 0 unused).
    std::array<QPoint, 5> places;
};
