#include "screen/Form1Widgets.h"

#include "platform/CaptionLabel.h"
#include "platform/PictureBox.h"
#include "screen/GameColours.h"

void Form1Widgets::guide(const QString &text) const
{
    Label1->setFontColor(GameColour::GuidanceBlue);
    Label1->setCaption(text);
}

PictureBox *Form1Widgets::partImage(int k) const
{
    PictureBox *const parts[] = {ImageRE, ImageLE, ImageHana, ImageKuti};
    return parts[k - 1];
}

CaptionLabel *Form1Widgets::partTitle(int k) const
{
    CaptionLabel *const titles[] = {LabelRE, LabelLE, LabelHana, LabelKuti};
    return titles[k - 1];
}
