#include "creation/FaceSearch.h"

#include "creation/FaceTurn.h"
#include "creation/PartCutout.h"
#include "platform/FaceLandmarks.h"

#include <cmath>

namespace FaceSearch {

QVector<int> detectionSides(QSize picture, int quickSide, int closeSide)
{
    const int longer = qMax(picture.width(), picture.height());
    if (longer <= 0)
        return {};
    const int first = qMin(longer, quickSide);
    const int second = qMin(2 * longer, closeSide);
    if (second <= first)
        return {first};
    return {first, second};
}

QVector<QRectF> findFaces(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const int longer = qMax(picture.width(), picture.height());
    for (const int side : detectionSides(picture.size())) {
        const double scale = double(side) / longer;
        const QSize size(qMax(1, int(std::lround(picture.width() * scale))),
                         qMax(1, int(std::lround(picture.height() * scale))));
        // Qt's smooth scaling averages the pixels it shrinks over, so small faces keep their shape.
        const QImage copy = side == longer ? picture.convertToFormat(QImage::Format_Grayscale8)
                                           : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                                 .convertToFormat(QImage::Format_Grayscale8);
        const QVector<QRectF> found = FaceLandmarks::detectFaces(copy);
        if (found.isEmpty())
            continue;
        const double toPictureX = double(picture.width()) / copy.width();
        const double toPictureY = double(picture.height()) / copy.height();
        QVector<QRectF> faces;
        for (const QRectF &box : found)
            faces.append(QRectF(box.left() * toPictureX, box.top() * toPictureY, box.width() * toPictureX,
                                box.height() * toPictureY));
        return largestFirst(faces);
    }
    return {};
}

QVector<QPointF> landmarksOf(const QImage &picture, const QRectF &face)
{
    // The predictor looks a little beyond the box; half a box on every side is plenty.
    const QRect around = face.adjusted(-face.width() / 2, -face.height() / 2, face.width() / 2, face.height() / 2)
                             .toAlignedRect();
    const QImage surroundings = cutOutPart(picture, around);
    QVector<QPointF> points = FaceLandmarks::fitLandmarks(surroundings, face.translated(-around.topLeft()));
    for (QPointF &p : points)
        p += around.topLeft();
    return points;
}

} // namespace FaceSearch
