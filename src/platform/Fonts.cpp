#include "platform/Fonts.h"

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
    // Japanese and Latin text in this face looks the same without the OpenType shaper, whose
    // tables would otherwise be loaded for every size and script before the first frame.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace Fonts
