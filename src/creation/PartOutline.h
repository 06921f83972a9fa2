#pragma once

#include <QPoint>
#include <QRect>
#include <QVector>

// One part's free-hand curve, in surface pixels, in the order the pointer gave them.
struct PartOutline
{
    QVector<QPoint> points;

    // Left/top are the smallest x/y; width/height are largest minus smallest, so the
    // largest x and y lie just outside. A null rectangle when there are no points.
    QRect box() const;

    // A curve is kept only when its box has both a width and a height.
    bool isAccepted() const;
};
