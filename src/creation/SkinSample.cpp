#include "creation/SkinSample.h"

#include "creation/LandmarkOutlines.h"

#include <QPolygonF>

#include <algorithm>
#include <vector>

namespace {

QPolygonF grownPolygon(const QVector<QPoint> &outline, double margin)
{
    QVector<QPointF> loop;
    for (const QPoint &p : outline)
        loop.append(QPointF(p));
    QPolygonF polygon;
    for (const QPoint &p : grownOutline(loop, margin))
        polygon.append(QPointF(p));
    return polygon;
}

int brightness(QRgb rgb)
{
    return 299 * qRed(rgb) + 587 * qGreen(rgb) + 114 * qBlue(rgb);
}

int medianOf(std::vector<int> &values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

QColor skinAround(const QImage &picture, const QVector<QPoint> &outline, QRect shown, double gap, double width)
{
    if (outline.size() < 3)
        return QColor(Qt::black);
    const QPolygonF inner = grownPolygon(outline, gap);
    const QPolygonF outer = grownPolygon(outline, gap + width);
    const QRect readable = outer.boundingRect().toAlignedRect() & shown & picture.rect();
    std::vector<QRgb> ring;
    for (int y = readable.top(); y <= readable.bottom(); ++y) {
        for (int x = readable.left(); x <= readable.right(); ++x) {
            const QPointF at(x, y);
            if (outer.containsPoint(at, Qt::OddEvenFill) && !inner.containsPoint(at, Qt::OddEvenFill))
                ring.push_back(picture.pixel(x, y));
        }
    }
    if (ring.empty())
        return QColor(Qt::black);
    std::sort(ring.begin(), ring.end(), [](QRgb a, QRgb b) { return brightness(a) < brightness(b); });
    const size_t fifth = ring.size() / 5;
    std::vector<int> reds, greens, blues;
    for (size_t i = fifth; i < ring.size() - fifth; ++i) {
        reds.push_back(qRed(ring[i]));
        greens.push_back(qGreen(ring[i]));
        blues.push_back(qBlue(ring[i]));
    }
    return QColor(medianOf(reds), medianOf(greens), medianOf(blues));
}
