#include "screen/ListPlacement.h"

#include "platform/widgets/ListBox.h"
#include "platform/widgets/PictureBox.h"

void placeListBesideFace(const PictureBox &facePicture, ListBox &pickList)
{
    pickList.setGeometry(facePicture.x() + facePicture.width() + 5, 24, 217, 280);
}
