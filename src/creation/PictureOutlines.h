#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QVector>

#include <array>

// The automatic outlines kept to the displayed picture: a part whose landmarks are not all on
// the picture is left for the player, and an outline that reaches past the picture's edge is
// cut back to it, so that no piece starts left of or above the picture or ends past it.
// Arrays are indexed by part number, 1 right eye .. 4 mouth; element 0 is unused.
struct PictureOutlines
{
    std::array<QVector<QPoint>, 5> outlines; // empty for a part left out
    QVector<int> leftOut;                    // the parts left for the player, in part order
};

// The narrowest eye piece worth dragging, in face-box pixels.
constexpr int SmallestEyePiece = 20;

// The outline stretched across about its middle so that its piece is at least `width` pixels
// wide: an eye seen from the side, or small on the picture, takes in the skin beside it.
QVector<QPoint> widenedTo(const QVector<QPoint> &outline, int width);

// The outline clipped to the picture's pixels, (0, 0) to (width - 1, height - 1): the polygon
// cut by each edge in turn, so the fill still covers exactly the part of the hole on the picture.
QVector<QPoint> clippedToPicture(const QVector<QPoint> &outline, QSize picture);

// Whether every landmark of part k lies on the picture, half a pixel of rounding allowed.
bool partOnPicture(const QVector<QPointF> &landmarks, int k, QSize picture);

// The four outlines of the face whose landmarks are given in face-box pixels, on a picture shown
// at `picture`: each outline of a part on the picture, the eyes widened to SmallestEyePiece,
// clipped; a part off the picture, or whose clipped outline has no width or no height, left out.
PictureOutlines outlinesOnPicture(const QVector<QPointF> &landmarks, QSize picture);
