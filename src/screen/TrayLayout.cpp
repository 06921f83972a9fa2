#include "screen/TrayLayout.h"

#include "platform/widgets/PictureBox.h"
#include "screen/PartTray.h"

void layOutTray(const PictureBox &facePicture, const PartTray &parts)
{
    PictureBox *rightEye = parts.picture(1);
    PictureBox *nose = parts.picture(3);
    rightEye->move(facePicture.x() + facePicture.width() + 20, facePicture.y());
    parts.picture(2)->move(rightEye->x() + rightEye->width() + 20, facePicture.y());
    nose->move(rightEye->x(), rightEye->y() + rightEye->height() + 20);
    parts.picture(4)->move(rightEye->x(), nose->y() + nose->height() + 20);
}
