#pragma once

#include <QFont>

// The game's texts are set in "ＭＳ Ｐゴシック"; here that family is served by IPAPGothic.
namespace Fonts {

void installSubstitution();

// The game font at a size in pixels.
QFont gameFont(int pixelSize, bool bold = false, bool italic = false);

} // namespace Fonts
