#pragma once

#include <QImage>
#include <QPoint>
#include <QVector>

// The marks face creation draws over the picture while the player drags: dotted blue
// (#0000FF) one-pixel lines, whose gaps show the picture. Points outside the surface are
// clipped, never written.

// The open curve through points, in their order; nothing for fewer than two points.
void drawDottedPolyline(QImage &surface, const QVector<QPoint> &points);

// The outline of the rectangle whose opposite corners are a and b, both corners included.
void drawDottedRectangle(QImage &surface, QPoint a, QPoint b);
