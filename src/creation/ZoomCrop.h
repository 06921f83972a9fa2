#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// What a rectangle dragged over the face box selects for the zoom: the pixels of the working
// picture it covers, and the size at which they are then shown.
struct ZoomCrop
{
    QRect crop;    // in picture pixels; may reach outside the picture, and may be empty
    QSize display; // longer side 300, in the selection's proportions
};

// The rectangle between corners start and end, in face-box pixels, on a picture of the given
// full-resolution size. The factor from the box to the picture is the longer side / 300 as a
// 32-bit float, and every product is truncated: on a 640 × 480 picture, (240, 120) to (40, 20)
// crops 426 × 213 from (85, 42), shown at 300 × 150. Start and end must differ in x and in y.
ZoomCrop zoomCrop(QPoint start, QPoint end, QSize picture);
