#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QVector>

#include <array>

// The rule that turns the 68 facial landmarks of one face into the four closed outlines a
// player would draw by hand, in face-box pixels. Arrays are indexed by part number,
// 1 right eye .. 4 mouth; element 0 is unused.

// What the automatic press hands to the outlining: each part's curve and the colour its hole
// is filled with.
struct FoundParts
{
    std::array<QVector<QPoint>, 5> outlines;
    std::array<QColor, 5> colours;
};

// The number of landmarks the rule reads.
constexpr int LandmarkCount = 68;

// How far each outline stands off its part's landmarks: a few pixels, growing with the face
// (a fiftieth of the distance between the outer eye corners, at least 1.5): enough to take
// in the lashes and the lip line, little enough that the piece stays close to the part.
double outlineMargin(const QVector<QPointF> &landmarks);

// Part k's landmarks as a loop around the part, before the margin. The subject's right eye
// (points 36-41, on the picture's left) is part 1 and the left eye (42-47) part 2, each in
// its numbered order; the mouth is the outer lip line 48-59. The nose runs from its bridge,
// a little below the line of the inner eye corners (39, 42), down one side to the nostrils
// (31-35) and back up the other, widened across the nose's own axis to take in the wings.
QVector<QPointF> partLoop(const QVector<QPointF> &landmarks, int k);

// Every landmark that lies on part k: the eye's six, the nose's tip and nostrils (30-35),
// the mouth's twenty (48-67, both lip lines). Its outline must enclose all of them.
QVector<QPointF> partLandmarks(const QVector<QPointF> &landmarks, int k);

// The loop with every point pushed `margin` further from the loop's centre, rounded to
// pixels; the order of the points is kept.
QVector<QPoint> grownOutline(const QVector<QPointF> &loop, double margin);

// The four outlines of a face: grownOutline(partLoop(k), outlineMargin). Empty outlines when
// the landmarks are not the 68 expected.
std::array<QVector<QPoint>, 5> outlinesFromLandmarks(const QVector<QPointF> &landmarks);
