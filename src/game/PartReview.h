#pragma once

#include <QPoint>
#include <QString>

#include <array>

// What the unveiling tells about each part: how many of the score's points it cost.
namespace PartReview {

// The points each part (right eye, left eye, nose, mouth) cost: how far its top-left corner
// lies off its right place, horizontally plus vertically, the same arithmetic as the score.
std::array<int, 4> costs(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces);

// The part, 1 .. 4, that cost the fewest points; the first of them on a tie.
int bestPart(const std::array<int, 4> &costs);

// The line shown for part k (1 .. 4), "右目　−12点", the best part marked.
QString line(int k, int cost, bool best);

} // namespace PartReview
