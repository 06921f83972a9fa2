#include "creation/SourcePicture.h"

#include <QtGlobal>

QImage blankSurface()
{
    QImage surface(300, 300, QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
}

void drawSourcePicture(QImage &surface, const QImage &source, QSize display)
{
    if (source.isNull() || surface.isNull() || display.isEmpty())
        return;
    if (surface.format() != QImage::Format_RGB32)
        surface.convertTo(QImage::Format_RGB32);

    const int width = qMin(display.width(), surface.width());
    const int height = qMin(display.height(), surface.height());
    const qint64 sourceWidth = source.width();
    const qint64 sourceHeight = source.height();
    // Each target pixel takes the source pixel under its centre. Only the few target
    // pixels are visited, so a huge source costs no conversion of the whole picture.
    for (int y = 0; y < height; ++y) {
        const int sy = int((2 * y + 1) * sourceHeight / (2 * qint64(display.height())));
        auto *line = reinterpret_cast<QRgb *>(surface.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int sx = int((2 * x + 1) * sourceWidth / (2 * qint64(display.width())));
            line[x] = 0xff000000u | source.pixel(sx, sy);
        }
    }
}
