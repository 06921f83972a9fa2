#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>

// The colour that fills a part's hole: the skin around the part, taken robustly so that the
// glasses, brows, nostrils or shadows that often border a part do not colour it. The pixels
// of a ring just outside the outline, `gap` to `gap + width` pixels out, are ranked by
// brightness; the darkest and the brightest fifths are left out and the rest give their
// per-channel median. Only pixels inside `shown` (the displayed picture) are read; black
// when none of the ring lies there.
QColor skinAround(const QImage &picture, const QVector<QPoint> &outline, QRect shown, double gap = 2.0,
                  double width = 4.0);
