#include "platform/widgets/Fonts.h"

namespace Fonts {

namespace {
const QString gameFamily = QStringLiteral("ＭＳ Ｐゴシック");
}

void installSubstitution()
{
    QFont::insertSubstitution(gameFamily, QStringLiteral("IPAPGothic"));
}

QFont gameFont(int pixelSize, bool bold, bool italic)
{
    QFont font(gameFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace Fonts
