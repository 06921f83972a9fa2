#include "screen/Guidance.h"

#include "platform/widgets/CaptionLabel.h"
#include "screen/GameColours.h"

void guide(CaptionLabel *guidanceLabel, const QString &text)
{
    guidanceLabel->setFontColor(GameColour::GuidanceBlue);
    guidanceLabel->setCaption(text);
}
