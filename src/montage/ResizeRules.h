#pragma once

#include <QSize>

// The "+" and "-" steps of the montage's part pictures.
namespace ResizeRules {

// The factors are single-precision, as the buttons have always used them: 1.1f is
// 1.10000002384185791015625 and 0.9f is 0.89999997615814208984375.
inline constexpr float Grow = 1.1f;
inline constexpr float Shrink = 0.9f;

// One side after a step: side × factor in extended precision, truncated toward zero; then
// above 151 it becomes 150 and below 9 it becomes 10 (151 and 9 themselves stay).
int resizedSide(int side, float factor);

// Both sides of a box after a step.
QSize resized(QSize size, float factor);

} // namespace ResizeRules
