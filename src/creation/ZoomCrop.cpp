#include "creation/ZoomCrop.h"

#include <cmath>

namespace {

// The float factor matches the one the picture was fitted with, so the crop lands where the
// player saw the rectangle.
int scaled(int value, float factor)
{
    return int(std::trunc(double(value) * double(factor)));
}

} // namespace

ZoomCrop zoomCrop(QPoint start, QPoint end, QSize picture)
{
    const int left = qMin(start.x(), end.x());
    const int top = qMin(start.y(), end.y());
    const int width = qAbs(end.x() - start.x());
    const int height = qAbs(end.y() - start.y());
    const int longer = picture.width() < picture.height() ? picture.height() : picture.width();
    const float factor = float(longer) / 300.0f;

    ZoomCrop zoom;
    zoom.crop = QRect(scaled(left, factor), scaled(top, factor), scaled(width, factor), scaled(height, factor));
    if (width <= 0 || height <= 0)
        return zoom;
    if (height > width)
        zoom.display = QSize(int(qint64(width) * 300 / height), 300);
    else
        zoom.display = QSize(300, int(qint64(height) * 300 / width));
    return zoom;
}
