#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QVector>

#include <optional>

// Framing a small face before it is outlined: the zoom a player would make by hand, on a
// square around the face with room for the hair and the chin, so that its pieces are big
// enough to see and to drag.

// A face is small when its outer eye corners (landmarks 36 and 45) stand fewer than this many
// pixels apart on the face box. Measured on the project's test photos (make bench), an eye piece
// is 0.30 to 0.35 of that distance wide, so below 80 it falls under about 24 pixels: hard to
// make out and to catch.
constexpr double SmallFaceEyeSpan = 80.0;
// The zoom rectangle, in face-box pixels, that frames the face whose 68 landmarks are given in
// face-box pixels, on a picture shown at `shown`; nothing when the face is not small or the
// frame would hardly enlarge it (by less than a quarter). The square is 1.7 times the landmarks' larger extent, with
// most of its spare height above the brows for the hair, moved inside the picture where it can be and cut to the
// picture where it cannot.
std::optional<QRect> framingFor(const QVector<QPointF> &landmarks, QSize shown);

// Points of a picture, in its pixels, as they lie on the face box when `region` of the picture
// (in its pixels) is drawn at `shown` from the box's top-left corner, pixel centres matched.
QVector<QPointF> asShown(const QVector<QPointF> &points, const QRectF &region, QSize shown);
// The other way: a face-box point back to the picture's pixels.
QPointF fromShown(QPointF point, const QRectF &region, QSize shown);
