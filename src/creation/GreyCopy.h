#pragma once

#include <QImage>
#include <QRect>

// A grey copy of `region` of an RGB32 picture, shrunk by `shrink` (1 or more): each pixel of
// the copy is the mean brightness of the block of picture pixels it covers, so small faces keep
// their shape, and pixels of the region past the picture's edge are white. The copy's size is
// the region's divided by `shrink`, rounded up. Only the region's pixels are read, once each:
// cheap enough for a 24-megapixel photo.
QImage greyCopy(const QImage &picture, const QRect &region, double shrink = 1.0);
