#include "creation/PictureFit.h"

#include <cmath>

namespace {

constexpr int FaceBoxSide = 300;

// The ratio is deliberately a float: faces made earlier were sized with it, and the
// stored part positions only line up with pictures sized the same way.
int scaledShortSide(int shortSide, int longSide)
{
    const float ratio = float(FaceBoxSide) / float(longSide);
    // Exact for any side below 2^29, so only the truncation drops anything.
    return int(std::trunc(double(shortSide) * double(ratio)));
}

} // namespace

QSize fitIntoFaceBox(QSize picture)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0)
        return QSize(0, 0);
    if (w < h)
        return QSize(scaledShortSide(w, h), FaceBoxSide);
    return QSize(FaceBoxSide, scaledShortSide(h, w));
}
