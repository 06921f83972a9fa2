#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QVector>

// Finding faces on the working picture at its full resolution, with the landmark module: the
// detector searches a grey copy sized for it, and the landmarks are fitted on the picture itself.
namespace FaceSearch {

// The longer sides of the detector's copies, tried in turn until one shows a face. The
// detector finds faces of 80 pixels and more and its time grows with the copy's area, so a big
// photo is searched shrunk to `quickSide` on its longer side first; only when that shows no
// face is it searched again at up to `closeSide`, where faces of a quarter of that size turn
// up. A picture smaller than `quickSide` is searched at its own size, then doubled.
QVector<int> detectionSides(QSize picture, int quickSide = 1024, int closeSide = 1600);

// The boxes of the faces on the picture, in its pixels, largest first; empty when none is found
// or the landmark model is not ready.
QVector<QRectF> findFaces(const QImage &picture);

// The 68 landmarks of the face in `face` (a box findFaces gave), in the picture's pixels, fitted
// on the picture's own pixels around the face. Pixels past the picture's edge read as white.
QVector<QPointF> landmarksOf(const QImage &picture, const QRectF &face);

} // namespace FaceSearch
