#include "creation/PictureOutlines.h"

#include "creation/LandmarkOutlines.h"

#include <QPolygon>

#include <cmath>
#include <functional>

namespace {

// One step of the polygon clipping: keeps the side of an edge where `inside` holds, adding the
// crossing points; `cross` gives the point where a segment meets the edge.
QVector<QPointF> clipBy(const QVector<QPointF> &polygon, const std::function<bool(QPointF)> &inside,
                        const std::function<QPointF(QPointF, QPointF)> &cross)
{
    QVector<QPointF> kept;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF from = polygon[i];
        const QPointF to = polygon[(i + 1) % polygon.size()];
        if (inside(from))
            kept.append(from);
        if (inside(from) != inside(to))
            kept.append(cross(from, to));
    }
    return kept;
}

QPointF atX(QPointF a, QPointF b, double x)
{
    return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
}

QPointF atY(QPointF a, QPointF b, double y)
{
    return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
}

} // namespace

QVector<QPoint> widenedTo(const QVector<QPoint> &outline, int width)
{
    const QRect box = QPolygon(outline).boundingRect();
    // A piece is as wide as its outline's largest x less its smallest.
    const int pieceWidth = box.width() - 1;
    if (outline.isEmpty() || pieceWidth >= width)
        return outline;
    const double middle = (box.left() + box.right()) / 2.0;
    const double stretch = pieceWidth > 0 ? double(width) / pieceWidth : 0.0;
    QVector<QPoint> widened;
    for (const QPoint &p : outline) {
        // A piece with no width at all is spread to both sides of its middle.
        const double offset = pieceWidth > 0 ? (p.x() - middle) * stretch
                                             : (p.x() <= middle ? -width / 2.0 : width / 2.0);
        const double x = middle + offset;
        widened.append(QPoint(int(offset < 0 ? std::floor(x) : std::ceil(x)), p.y()));
    }
    return widened;
}

QVector<QPoint> clippedToPicture(const QVector<QPoint> &outline, QSize picture)
{
    if (picture.isEmpty())
        return {};
    const double right = picture.width() - 1;
    const double bottom = picture.height() - 1;
    QVector<QPointF> polygon;
    for (const QPoint &p : outline)
        polygon.append(QPointF(p));
    polygon = clipBy(
        polygon, [](QPointF p) { return p.x() >= 0; }, [](QPointF a, QPointF b) { return atX(a, b, 0); });
    polygon = clipBy(
        polygon, [=](QPointF p) { return p.x() <= right; }, [=](QPointF a, QPointF b) { return atX(a, b, right); });
    polygon = clipBy(
        polygon, [](QPointF p) { return p.y() >= 0; }, [](QPointF a, QPointF b) { return atY(a, b, 0); });
    polygon = clipBy(
        polygon, [=](QPointF p) { return p.y() <= bottom; }, [=](QPointF a, QPointF b) { return atY(a, b, bottom); });
    QVector<QPoint> clipped;
    for (const QPointF &p : polygon) {
        const QPoint pixel(int(std::lround(p.x())), int(std::lround(p.y())));
        // Two crossings can round to one pixel; the repeat adds nothing to the polygon.
        if (clipped.isEmpty() || clipped.last() != pixel)
            clipped.append(pixel);
    }
    if (clipped.size() > 1 && clipped.first() == clipped.last())
        clipped.removeLast();
    return clipped;
}

bool partOnPicture(const QVector<QPointF> &landmarks, int k, QSize picture)
{
    const QVector<QPointF> points = partLandmarks(landmarks, k);
    if (points.isEmpty())
        return false;
    for (const QPointF &p : points) {
        if (p.x() < -0.5 || p.y() < -0.5 || p.x() > picture.width() - 0.5 || p.y() > picture.height() - 0.5)
            return false;
    }
    return true;
}

PictureOutlines outlinesOnPicture(const QVector<QPointF> &landmarks, QSize picture)
{
    PictureOutlines found;
    const std::array<QVector<QPoint>, 5> outlines = outlinesFromLandmarks(landmarks);
    for (int k = 1; k <= 4; ++k) {
        QVector<QPoint> clipped;
        if (partOnPicture(landmarks, k, picture))
            clipped = clippedToPicture(k <= 2 ? widenedTo(outlines[k], SmallestEyePiece) : outlines[k], picture);
        const QRect box = QPolygon(clipped).boundingRect();
        if (clipped.size() < 3 || box.width() < 2 || box.height() < 2) {
            found.leftOut.append(k);
            continue;
        }
        found.outlines[k] = clipped;
    }
    return found;
}
