// The EXIF orientation reader, which turns a chosen photo upright, on any bytes: one of the
// eight orientations, and a picture turned by it that keeps its pixels.

#include "FuzzInput.h"

#include "platform/pictures/ExifOrientation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int orientation = ExifOrientation::fromApp1(fuzzBytes(data, size));
    if (orientation < 1 || orientation > 8)
        std::abort();
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QImage turned = ExifOrientation::upright(picture, orientation);
    const QSize expected = orientation >= 5 ? QSize(2, 3) : QSize(3, 2);
    if (turned.size() != expected || turned.pixel(0, 0) != qRgb(255, 0, 0))
        std::abort();
    return 0;
}
