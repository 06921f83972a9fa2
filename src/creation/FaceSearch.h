#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QVector>

// Finding faces on the working picture at its full resolution, with the landmark module: the
// detector searches a grey copy sized for it, and the landmarks are fitted on the picture's own
// pixels around the face.
namespace FaceSearch {

// One search of the detector: the copy's longer side, and the white border added around the
// picture first, as a share of its shorter side.
struct Pass
{
    int side = 0;
    double border = 0.0;
};

// The searches tried in turn until one shows a face. The detector finds faces of about 80
// pixels and more, and its time grows with the copy's area. A big photo is searched shrunk to
// `quickSide` on its longer side first, a smaller picture at its own size; only when that shows
// no face is it searched again closer, at up to `closeSide` (a small picture doubled), with a
// white border round it (a fifth of the shorter side, at most 64 pixels of the copy), which
// lets the detector see a face cut by the picture's edge.
QVector<Pass> detectionPasses(QSize picture, int quickSide = 1024, int closeSide = 1600);

// The boxes of the faces on the picture, in its pixels, largest first; empty when none is found
// or the landmark model is not ready.
QVector<QRectF> findFaces(const QImage &picture);

// The 68 landmarks of the face in `face` (a box findFaces gave), in the picture's pixels, fitted
// on the picture's own pixels around the face: at full resolution, or for a face wider than 400
// pixels on a copy where it is 400 wide, which the fit needs no more than. Pixels past the
// picture's edge read as white.
QVector<QPointF> landmarksOf(const QImage &picture, const QRectF &face);

} // namespace FaceSearch
