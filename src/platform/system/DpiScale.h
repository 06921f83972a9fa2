#pragma once

#include <QtGlobal>

// Positions are stored for 96 pixels per inch and used in the pixels the window is laid out in.
// The scale between the two is kept as an integer, × 10000, and every conversion rounds half
// to even.
namespace Dpi {

// The scale of the window's layout, × 10000, in the coordinates its widgets are placed in.
// The widgets keep their 96-dpi positions in Qt's device-independent pixels: with Qt's
// high-DPI scaling on, Qt maps them onto the screen; with it off they are screen pixels and
// the window is smaller. Either way the face is shown 300 of them wide, so the parts and their
// right places, pixels of the face picture, keep the factor 1 and score as at 96 dpi. The
// screen's logical pixels per inch is no guide: 120 at 120 dpi with the scaling off (parts
// would grow on a face that does not), 72 at 144 dpi where Qt rounds its factor to 2.
inline constexpr qint64 LayoutScale = 10000;

int roundHalfEven(double value);

// round(value × scale / 10000)
int fileToScreen(int value, qint64 scale);

// round(value / scale × 10000)
int screenToFile(int value, qint64 scale);

} // namespace Dpi
