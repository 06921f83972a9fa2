#pragma once

#include <QPoint>

#include <array>

// The score of an unveiled face: 300 less one point for every pixel that a part's top-left
// corner lies off its right place, horizontally or vertically; never below 0.
int scoreFor(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces);
