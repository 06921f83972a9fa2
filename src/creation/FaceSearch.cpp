#include "creation/FaceSearch.h"

#include "creation/FaceTurn.h"
#include "creation/GreyCopy.h"
#include "platform/FaceLandmarks.h"

#include <cmath>

namespace FaceSearch {

namespace {

constexpr double CloseBorder = 0.2;
// The border never needs to be wider than the detector's smallest face, in the copy's pixels.
constexpr double WidestBorder = 64.0;
constexpr double WidestFit = 400.0;

} // namespace

QVector<Pass> detectionPasses(QSize picture, int quickSide, int closeSide)
{
    const int longer = qMax(picture.width(), picture.height());
    if (longer <= 0)
        return {};
    const Pass quick{qMin(longer, quickSide), 0.0};
    const Pass close{qMin(2 * longer, closeSide), CloseBorder};
    return {quick, close};
}

QVector<QRectF> findFaces(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const int longer = qMax(picture.width(), picture.height());
    const int shorter = qMin(picture.width(), picture.height());
    for (const Pass &pass : detectionPasses(picture.size())) {
        const double shrink = double(longer) / pass.side;
        const int border = int(std::lround(std::min(pass.border * shorter, WidestBorder * std::max(1.0, shrink))));
        const QRect region = picture.rect().adjusted(-border, -border, border, border);
        QImage copy = greyCopy(picture, region, shrink);
        // A small picture is enlarged for the detector, whose smallest face is 80 pixels.
        if (shrink < 1.0)
            copy = copy.scaled(QSize(int(std::lround(copy.width() / shrink)), int(std::lround(copy.height() / shrink))),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QVector<QRectF> found = FaceLandmarks::detectFaces(copy);
        if (found.isEmpty())
            continue;
        const double toPictureX = double(region.width()) / copy.width();
        const double toPictureY = double(region.height()) / copy.height();
        QVector<QRectF> faces;
        for (const QRectF &box : found)
            faces.append(QRectF(region.left() + box.left() * toPictureX, region.top() + box.top() * toPictureY,
                                box.width() * toPictureX, box.height() * toPictureY));
        return largestFirst(faces);
    }
    return {};
}

QVector<QPointF> landmarksOf(const QImage &picture, const QRectF &face)
{
    if (face.isEmpty())
        return {};
    // The predictor looks a little beyond the box; half a box on every side is plenty.
    const QRect around = face.adjusted(-face.width() / 2, -face.height() / 2, face.width() / 2, face.height() / 2)
                             .toAlignedRect();
    const double shrink = std::max(1.0, face.width() / WidestFit);
    const QImage surroundings = greyCopy(picture, around, shrink);
    const double scaleX = double(around.width()) / surroundings.width();
    const double scaleY = double(around.height()) / surroundings.height();
    const QRectF box((face.left() - around.left()) / scaleX, (face.top() - around.top()) / scaleY,
                     face.width() / scaleX, face.height() / scaleY);
    QVector<QPointF> points = FaceLandmarks::fitLandmarks(surroundings, box);
    // A copy pixel covers a block of picture pixels: its centre is the block's centre.
    for (QPointF &p : points)
        p = QPointF(around.left() + (p.x() + 0.5) * scaleX - 0.5, around.top() + (p.y() + 0.5) * scaleY - 0.5);
    return points;
}

} // namespace FaceSearch
