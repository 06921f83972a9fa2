#include "creation/LandmarkOutlines.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QPointF centreOf(const QVector<QPointF> &loop)
{
    QPointF sum;
    for (const QPointF &p : loop)
        sum += p;
    return loop.isEmpty() ? sum : sum / double(loop.size());
}

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
}

QVector<QPointF> numbered(const QVector<QPointF> &landmarks, int first, int last)
{
    return landmarks.mid(first, last - first + 1);
}

// The line through the inner eye corners, as a point on it and the unit normal pointing down
// the face (towards the nose's tip).
struct EyeLine
{
    QPointF at;
    QPointF down;

    double below(QPointF p) const { return QPointF::dotProduct(p - at, down); }
};

EyeLine innerEyeCornerLine(const QVector<QPointF> &p)
{
    const QPointF along = unit(p[42] - p[39]);
    QPointF down(-along.y(), along.x());
    if (QPointF::dotProduct(p[30] - p[39], down) < 0)
        down = -down;
    return {(p[39] + p[42]) / 2.0, down};
}

// The nose: the bridge is narrow, the wings stand out beyond the outer nostril points. The
// outline starts a little below the inner eye corners, so that the piece never holds them:
// twice the margin below their line, so the margin's push still leaves it below.
QVector<QPointF> noseLoop(const QVector<QPointF> &p, double margin)
{
    const double width = QLineF(p[31], p[35]).length();
    const QPointF across = unit(p[35] - p[31]);
    const QPointF down = unit(p[33] - p[27]);
    const QPointF bridge = across * (0.2 * width);
    const QPointF wing = across * (0.15 * width);
    // Where the nose's axis (27 to 30) crosses a line 2 × margin below the eye corners.
    const EyeLine eyes = innerEyeCornerLine(p);
    const double wanted = std::max(2.0 * margin, eyes.below(p[27]));
    const double step = QPointF::dotProduct(down, eyes.down); // how far below the line each pixel down the axis goes
    const QPointF top = step > 0 ? p[27] + down * ((wanted - eyes.below(p[27])) / step) : p[27];
    // The wings begin at the height of the tip.
    const double tipLevel = QPointF::dotProduct(p[30] - p[31], down);
    const QPointF rightWing = p[31] - wing;
    const QPointF leftWing = p[35] + wing;
    return {top - bridge, rightWing + down * std::min(tipLevel, 0.0),
            rightWing,    p[32],
            p[33],        p[34],
            leftWing,     leftWing + down * std::min(QPointF::dotProduct(p[30] - p[35], down), 0.0),
            top + bridge};
}

} // namespace

double outlineMargin(const QVector<QPointF> &landmarks)
{
    if (landmarks.size() != LandmarkCount)
        return 1.5;
    return std::max(1.5, QLineF(landmarks[36], landmarks[45]).length() / 50.0);
}

QVector<QPointF> partLoop(const QVector<QPointF> &landmarks, int k)
{
    if (landmarks.size() != LandmarkCount)
        return {};
    switch (k) {
    case 1:
        return numbered(landmarks, 36, 41);
    case 2:
        return numbered(landmarks, 42, 47);
    case 3:
        return noseLoop(landmarks, outlineMargin(landmarks));
    case 4:
        return numbered(landmarks, 48, 59);
    default:
        return {};
    }
}

QVector<QPointF> partLandmarks(const QVector<QPointF> &landmarks, int k)
{
    if (landmarks.size() != LandmarkCount)
        return {};
    switch (k) {
    case 1:
        return numbered(landmarks, 36, 41);
    case 2:
        return numbered(landmarks, 42, 47);
    case 3:
        return numbered(landmarks, 30, 35);
    case 4:
        return numbered(landmarks, 48, 67);
    default:
        return {};
    }
}

QVector<QPoint> grownOutline(const QVector<QPointF> &loop, double margin)
{
    const QPointF centre = centreOf(loop);
    QVector<QPoint> outline;
    outline.reserve(loop.size());
    for (const QPointF &p : loop) {
        const QPointF grown = p + unit(p - centre) * margin;
        outline.append(QPoint(int(std::lround(grown.x())), int(std::lround(grown.y()))));
    }
    return outline;
}

std::array<QVector<QPoint>, 5> outlinesFromLandmarks(const QVector<QPointF> &landmarks)
{
    std::array<QVector<QPoint>, 5> outlines;
    if (landmarks.size() != LandmarkCount)
        return outlines;
    const double margin = outlineMargin(landmarks);
    for (int k = 1; k <= 4; ++k)
        outlines[k] = grownOutline(partLoop(landmarks, k), margin);
    // A head turned so far that the nose's bridge runs askew to the eyes could still push a
    // corner of the bridge above their line; it goes back below, by more than the rounding.
    const EyeLine eyes = innerEyeCornerLine(landmarks);
    for (QPoint &p : outlines[3]) {
        const double below = eyes.below(QPointF(p));
        if (below < 1.0) {
            const QPointF moved = QPointF(p) + eyes.down * (1.5 - below);
            p = QPoint(int(std::lround(moved.x())), int(std::lround(moved.y())));
        }
    }
    return outlines;
}
