#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A saved work as the gallery shows it, in a box of `box` pixels drawn at devicePixelRatio:
// read from its file as the decoder needs it, and scaled down once when larger than the box
// draws it. Throws AppError, naming the file, when it cannot be read and when it is too thin to
// show (a side that would shrink to nothing in the box). Touches no widget: it may run on any thread.
QImage workPictureFor(const QString &path, QSize box, qreal devicePixelRatio);
