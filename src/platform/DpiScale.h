#pragma once

#include <QtGlobal>

// Positions are stored for 96 pixels per inch and used in the pixels the window is laid out in.
// The scale between the two is kept as an integer, × 10000, and every conversion rounds half
// to even.
namespace Dpi {

// The scale the window's layout is drawn at, in the coordinates its widgets are placed in.
// The widgets keep their 96-dpi positions in Qt's device-independent pixels, and nothing
// scales them there: with Qt's high-DPI scaling on, Qt maps those pixels onto the screen below
// the widgets; with it off they are the screen's own pixels and the window is simply smaller.
// Either way the face is shown 300 of them wide, so the parts and their right places, which
// are pixels of the face picture, take the factor 1, and scores and works match 96 dpi. The
// screen's logical pixels per inch cannot stand in for it: it reads 120 at 120 dpi with the
// scaling off (parts would grow against a face that does not), and 72 at 144 dpi when Qt
// rounds its factor up to 2.
inline constexpr qint64 LayoutScale = 10000;

int roundHalfEven(double value);

// round(value × scale / 10000)
int fileToScreen(int value, qint64 scale);

// round(value / scale × 10000)
int screenToFile(int value, qint64 scale);

} // namespace Dpi
