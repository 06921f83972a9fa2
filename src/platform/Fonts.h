#pragma once

#include <QFont>

// The game's texts are set in "ＭＳ Ｐゴシック"; here that family is served by IPAPGothic.
namespace Fonts {

// Call once the font configuration is read: it asks the font database what the system has.
void installSubstitution();

// The game font at a size in pixels.
QFont gameFont(int pixelSize, bool bold = false, bool italic = false);

} // namespace Fonts
