#include "screen/TrayLayout.h"

#include "screen/Form1Widgets.h"
#include "platform/PictureBox.h"

void layOutTray(const Form1Widgets &w)
{
    PictureBox *re = w.ImageRE;
    re->move(w.Image1->x() + w.Image1->width() + 20, w.Image1->y());
    w.ImageLE->move(re->x() + re->width() + 20, w.Image1->y());
    w.ImageHana->move(re->x(), re->y() + re->height() + 20);
    w.ImageKuti->move(re->x(), w.ImageHana->y() + w.ImageHana->height() + 20);
}
