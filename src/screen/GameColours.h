#pragma once

#include <QColor>

// The colours the game's screens share.
namespace GameColour {

inline const QColor GuidanceBlue(0x00, 0x00, 0xFF); // instructions in the guidance line
inline const QColor HintRed(0xFF, 0x00, 0x00);      // hints of blind play, button captions, a picked title
inline const QColor TitleYellow(0xFF, 0xFF, 0x00);  // part titles and the face name
inline const QColor MoneyGreen(0xC0, 0xDC, 0xC0);   // the window

} // namespace GameColour
