#pragma once

#include <QRectF>
#include <QVector>

// The order in which the automatic outlines take the faces of a picture: the largest first,
// faces of the same size from left to right, then from top to bottom.
QVector<QRectF> largestFirst(QVector<QRectF> faces);

// The faces found on one picture and the one taken last: each further press of "自動" takes
// the next in that order, and after the last the first again.
struct FaceTurn
{
    QVector<QRectF> faces; // largest first, in the picture's pixels
    int taken = -1;        // the index of the face taken last; -1 before the first

    // The index the next press takes; -1 when there is no face.
    int next() const { return faces.isEmpty() ? -1 : (taken + 1) % int(faces.size()); }
};
