#include "screen/ListPlacement.h"

#include "platform/widgets/PictureBox.h"
#include "screen/MainWindowWidgets.h"
#include "platform/widgets/ListBox.h"

#include <QListWidget>

void placeListBesideFace(const MainWindowWidgets &w)
{
    w.pickList->setGeometry(w.facePicture->x() + w.facePicture->width() + 5, 24, 217, 280);
}
