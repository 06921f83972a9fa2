#include "screen/MainWindowWidgets.h"

#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/PictureBox.h"
#include "screen/GameColours.h"

void MainWindowWidgets::guide(const QString &text) const
{
    guidanceLabel->setFontColor(GameColour::GuidanceBlue);
    guidanceLabel->setCaption(text);
}

PictureBox *MainWindowWidgets::partImage(int k) const
{
    PictureBox *const parts[] = {rightEyePicture, leftEyePicture, nosePicture, mouthPicture};
    return parts[k - 1];
}

CaptionLabel *MainWindowWidgets::partTitle(int k) const
{
    CaptionLabel *const titles[] = {rightEyeTitle, leftEyeTitle, noseTitle, mouthTitle};
    return titles[k - 1];
}
