#include "creation/FaceFraming.h"

#include "creation/LandmarkOutlines.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The frame's side against the face's larger extent, brows to chin or jaw to jaw.
constexpr double FrameToFace = 1.7;
// The share of the frame's spare height that goes above the face, for the hair.
constexpr double SpareAbove = 0.7;
// A frame that would enlarge the face less than this is not worth the zoom.
constexpr double LeastEnlargement = 1.25;

// Moves [start, start + length) inside [0, limit), cutting it to the limit when longer.
void fitInto(int &start, int &length, int limit)
{
    length = std::min(length, limit);
    start = std::clamp(start, 0, limit - length);
}

} // namespace

std::optional<QRect> framingFor(const QVector<QPointF> &landmarks, QSize shown)
{
    if (landmarks.size() != LandmarkCount || shown.isEmpty())
        return std::nullopt;
    if (QLineF(landmarks[36], landmarks[45]).length() >= SmallFaceEyeSpan)
        return std::nullopt;
    const QRectF face = QPolygonF(landmarks).boundingRect();
    const double side = FrameToFace * std::max(face.width(), face.height());
    if (side * LeastEnlargement > std::max(shown.width(), shown.height()))
        return std::nullopt;
    int left = int(std::floor(face.center().x() - side / 2));
    int top = int(std::floor(face.top() - SpareAbove * (side - face.height())));
    int width = int(std::ceil(side));
    int height = width;
    fitInto(left, width, shown.width());
    fitInto(top, height, shown.height());
    return QRect(left, top, width, height);
}

QVector<QPointF> asShown(const QVector<QPointF> &points, const QRectF &region, QSize shown)
{
    QVector<QPointF> mapped;
    if (region.isEmpty())
        return mapped;
    const double scaleX = shown.width() / region.width();
    const double scaleY = shown.height() / region.height();
    mapped.reserve(points.size());
    for (const QPointF &p : points)
        mapped.append(
            QPointF((p.x() - region.left() + 0.5) * scaleX - 0.5, (p.y() - region.top() + 0.5) * scaleY - 0.5));
    return mapped;
}

QPointF fromShown(QPointF point, const QRectF &region, QSize shown)
{
    if (shown.isEmpty())
        return region.topLeft();
    return QPointF(region.left() + (point.x() + 0.5) * region.width() / shown.width() - 0.5,
                   region.top() + (point.y() + 0.5) * region.height() / shown.height() - 0.5);
}
