#include "screen/ListPlacement.h"

#include "platform/PictureBox.h"
#include "screen/Form1Widgets.h"
#include "platform/ListBox.h"

#include <QListWidget>

void placeListBesideFace(const Form1Widgets &w)
{
    w.ListBox1->setGeometry(w.Image1->x() + w.Image1->width() + 5, 24, 217, 280);
}
