#include "platform/Fonts.h"

#include <QFontDatabase>

namespace Fonts {

namespace {

const QString gameFamily = QStringLiteral("ＭＳ Ｐゴシック");
const QString standInFamily = QStringLiteral("IPAPGothic");

// The family the game's fonts name: the game's own where the system has it, else its stand-in.
QString namedFamily = gameFamily;

} // namespace

void installSubstitution()
{
    QFont::insertSubstitution(gameFamily, standInFamily);
    // A family the font database lacks makes Qt ask the font configuration for fallbacks, once
    // per script, the first time each size is laid out: milliseconds before the first frame,
    // only to arrive at the stand-in. Naming the stand-in itself skips that search.
    if (!QFontDatabase::hasFamily(gameFamily) && QFontDatabase::hasFamily(standInFamily))
        namedFamily = standInFamily;
}

QFont gameFont(int pixelSize, bool bold, bool italic)
{
    QFont font(namedFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Japanese and Latin text in this face looks the same without the OpenType shaper, whose
    // tables would otherwise be loaded for every size and script before the first frame.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace Fonts
