#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>

// The box a curve's piece is cut from: left and top are the smallest x and y, width and height
// the largest minus the smallest, so that the largest x and y lie just outside. A null rectangle
// when there are no points.
QRect outlineBox(const QVector<QPoint> &points);

// A pixel-for-pixel copy of box from surface (RGB32). Pixels of the box that lie outside
// the surface are white; a box without area gives a null image.
QImage cutOutPart(const QImage &surface, const QRect &box);

// Paints the closed polygon through points, in order, interior by the even-odd rule,
// with a solid one-pixel outline of the same colour and no antialiasing. Fewer than
// two points paint nothing.
void fillPart(QImage &surface, const QVector<QPoint> &points, const QColor &colour);

// The opaque colour of the surface pixel at p; white outside the surface.
QColor colourAt(const QImage &surface, QPoint p);
