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

// The nose: the bridge is narrow, the wings stand out beyond the outer nostril points.
QVector<QPointF> noseLoop(const QVector<QPointF> &p)
{
    const double width = QLineF(p[31], p[35]).length();
    const QPointF across = unit(p[35] - p[31]);
    const QPointF down = unit(p[33] - p[27]);
    const QPointF bridge = across * (0.2 * width);
    const QPointF wing = across * (0.15 * width);
    // The wings begin at the height of the tip.
    const double tipLevel = QPointF::dotProduct(p[30] - p[31], down);
    const QPointF rightWing = p[31] - wing;
    const QPointF leftWing = p[35] + wing;
    return {p[27] - bridge, rightWing + down * std::min(tipLevel, 0.0),
            rightWing,      p[32],
            p[33],          p[34],
            leftWing,       leftWing + down * std::min(QPointF::dotProduct(p[30] - p[35], down), 0.0),
            p[27] + bridge};
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
        return noseLoop(landmarks);
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
        return numbered(landmarks, 27, 35);
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
    return outlines;
}

QColor colourBeside(const QImage &picture, const QVector<QPoint> &outline, QRect shown, double distance)
{
    QVector<QPointF> loop;
    for (const QPoint &p : outline)
        loop.append(QPointF(p));
    const QPointF centre = centreOf(loop);
    const QRect readable = shown & picture.rect();
    std::vector<int> reds, greens, blues;
    for (int i = 0; i < loop.size(); ++i) {
        const QPointF a = loop[i] + unit(loop[i] - centre) * distance;
        const QPointF b = loop[(i + 1) % loop.size()] + unit(loop[(i + 1) % loop.size()] - centre) * distance;
        // A sample every two pixels along the pushed-out edge.
        const int steps = std::max(1, int(QLineF(a, b).length() / 2.0));
        for (int s = 0; s < steps; ++s) {
            const QPointF at = a + (b - a) * (double(s) / steps);
            const QPoint pixel(int(std::lround(at.x())), int(std::lround(at.y())));
            if (!readable.contains(pixel))
                continue;
            const QRgb rgb = picture.pixel(pixel);
            reds.push_back(qRed(rgb));
            greens.push_back(qGreen(rgb));
            blues.push_back(qBlue(rgb));
        }
    }
    if (reds.empty())
        return QColor(Qt::black);
    const auto median = [](std::vector<int> &values) {
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    return QColor(median(reds), median(greens), median(blues));
}
