#pragma once

#include <QImage>
#include <QSize>

// A fresh face-creation surface: 300 × 300, white, RGB32.
QImage blankSurface();

// Draws source scaled by nearest-neighbour sampling into the rectangle (0,0)-(display)
// of surface, right and bottom edges exclusive, anchored top-left. Only that rectangle
// (clipped to the surface) changes; a null source draws nothing. Alpha is ignored.
void drawSourcePicture(QImage &surface, const QImage &source, QSize display);
