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

    bool operator==(const Pass &) const = default;
};

// The searches tried in turn until one shows a face, coarse to fine. The detector finds faces
// of about 80 pixels and more, and its time grows with the copy's area: a portrait's face is
// found on a copy of `coarseSide` pixels at a quarter of the cost of the next, `quickSide`,
// where a face a twelfth of the photo wide turns up; only when neither shows a face is the
// picture searched at up to `closeSide` (a small picture doubled) with a white border round it
// (a fifth of the shorter side, at most 64 pixels of the copy), which finds faces down to a
// twentieth of the photo and lets the detector see a face cut by the picture's edge. No copy is
// larger than the picture except the last. Earlier searches cost at most a third of the last.
// A search whose faces are all well above the smallest the detector sees ends the search;
// one that found only faces near that size is followed by the next without a border, whose
// result is taken when it shows more faces (a group's smaller faces).
QVector<Pass> detectionPasses(QSize picture, int coarseSide = 512, int quickSide = 1024, int closeSide = 1600);

// The boxes of the faces on the picture, in its pixels, largest first; empty when none is found
// or the landmark model is not ready.
QVector<QRectF> findFaces(const QImage &picture);

// The 68 landmarks of the face in `face` (a box findFaces gave), in the picture's pixels, fitted
// on the picture's own pixels around the face: at full resolution, or for a face wider than 400
// pixels on a copy where it is 400 wide, which the fit needs no more than. Pixels past the
// picture's edge read as white.
QVector<QPointF> landmarksOf(const QImage &picture, const QRectF &face);

} // namespace FaceSearch
