#include "creation/PartOutline.h"

#include <algorithm>

QRect PartOutline::box() const
{
    if (points.isEmpty())
        return QRect();
    const auto [minX, maxX] = std::minmax_element(points.cbegin(), points.cend(),
                                                  [](const QPoint &a, const QPoint &b) { return a.x() < b.x(); });
    const auto [minY, maxY] = std::minmax_element(points.cbegin(), points.cend(),
                                                  [](const QPoint &a, const QPoint &b) { return a.y() < b.y(); });
    return QRect(minX->x(), minY->y(), maxX->x() - minX->x(), maxY->y() - minY->y());
}

bool PartOutline::isAccepted() const
{
    const QRect rect = box();
    return rect.width() > 0 && rect.height() > 0;
}
