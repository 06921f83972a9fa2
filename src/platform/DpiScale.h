#pragma once

#include <QtGlobal>

// Positions are stored for 96 pixels per inch and shown in screen pixels. The scale is kept
// as an integer, screen pixels per inch / 96 × 10000, and every conversion rounds half to even.
namespace Dpi {

int roundHalfEven(double value);

// round(pixelsPerInch / 96 × 10000): 10000 at 96, 12500 at 120, 15000 at 144.
qint64 scaleFor(double pixelsPerInch);

// round(value × scale / 10000)
int fileToScreen(int value, qint64 scale);

// round(value / scale × 10000)
int screenToFile(int value, qint64 scale);

} // namespace Dpi
