#include "screen/TrayLayout.h"

#include "screen/MainWindowWidgets.h"
#include "platform/widgets/PictureBox.h"

void layOutTray(const MainWindowWidgets &w)
{
    PictureBox *re = w.rightEyePicture;
    re->move(w.facePicture->x() + w.facePicture->width() + 20, w.facePicture->y());
    w.leftEyePicture->move(re->x() + re->width() + 20, w.facePicture->y());
    w.nosePicture->move(re->x(), re->y() + re->height() + 20);
    w.mouthPicture->move(re->x(), w.nosePicture->y() + w.nosePicture->height() + 20);
}
