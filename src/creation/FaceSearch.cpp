#include "creation/FaceSearch.h"

#include "creation/FaceTurn.h"
#include "creation/GreyCopy.h"
#include "platform/landmarks/FaceLandmarks.h"

#include <cmath>

namespace FaceSearch {

namespace {

constexpr double CloseBorder = 0.2;
// The border never needs to be wider than the detector's smallest face, in the copy's pixels.
constexpr double WidestBorder = 64.0;
constexpr double WidestFit = 400.0;
// The detector's smallest face box is about 64 pixels; half as wide again leaves room.
constexpr double RoomyFace = 96.0;

} // namespace

QVector<Pass> detectionPasses(QSize picture, int coarseSide, int quickSide, int closeSide)
{
    const int longer = qMax(picture.width(), picture.height());
    if (longer <= 0)
        return {};
    QVector<Pass> passes;
    for (const int side : {coarseSide, quickSide}) {
        const int shrunk = qMin(side, longer);
        if (passes.isEmpty() || shrunk > passes.last().side)
            passes.append({shrunk, 0.0});
    }
    passes.append({qMax(passes.last().side, qMin(2 * longer, closeSide)), CloseBorder});
    return passes;
}

QVector<QRectF> findFaces(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const int longer = qMax(picture.width(), picture.height());
    const int shorter = qMin(picture.width(), picture.height());
    const QVector<Pass> passes = detectionPasses(picture.size());
    QVector<QRectF> faces;
    for (qsizetype i = 0; i < passes.size(); ++i) {
        const Pass &pass = passes[i];
        const bool last = i + 1 == passes.size();
        // The search with the border is only for pictures where nothing else showed a face.
        if (!faces.isEmpty() && pass.border > 0)
            break;
        const double shrink = double(longer) / pass.side;
        const int border = int(std::lround(std::min(pass.border * shorter, WidestBorder * std::max(1.0, shrink))));
        const QRect region = picture.rect().adjusted(-border, -border, border, border);
        QImage copy = greyCopy(picture, region, shrink);
        // A small picture is enlarged for the detector, whose smallest face is 80 pixels.
        if (shrink < 1.0)
            copy = copy.scaled(QSize(int(std::lround(copy.width() / shrink)), int(std::lround(copy.height() / shrink))),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QVector<QRectF> found = FaceLandmarks::detectFaces(copy);
        if (found.size() <= faces.size())
            continue;
        const double toPictureX = double(region.width()) / copy.width();
        const double toPictureY = double(region.height()) / copy.height();
        faces.clear();
        double smallest = copy.width();
        for (const QRectF &box : found) {
            faces.append(QRectF(region.left() + box.left() * toPictureX, region.top() + box.top() * toPictureY,
                                box.width() * toPictureX, box.height() * toPictureY));
            smallest = std::min(smallest, box.width());
        }
        // Faces well above the detector's smallest mean that others of a like size were seen
        // too; faces near it may have neighbours a little smaller, which a closer look finds.
        if (smallest >= RoomyFace || last)
            break;
    }
    return largestFirst(faces);
}

QVector<QPointF> landmarksOf(const QImage &picture, const QRectF &face)
{
    if (face.isEmpty())
        return {};
    // The predictor looks a little beyond the box; half a box on every side is plenty.
    const QRect around =
        face.adjusted(-face.width() / 2, -face.height() / 2, face.width() / 2, face.height() / 2).toAlignedRect();
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
