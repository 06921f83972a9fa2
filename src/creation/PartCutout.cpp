#include "creation/PartCutout.h"

#include <QPainter>
#include <QPolygon>

QImage cutOutPart(const QImage &surface, const QRect &box)
{
    if (box.width() <= 0 || box.height() <= 0)
        return QImage();
    QImage piece(box.size(), QImage::Format_RGB32);
    piece.fill(Qt::white);
    // Only the overlap is read, so a curve drawn past the box edge never reads outside.
    const QRect inside = box.intersected(surface.rect());
    if (!inside.isEmpty()) {
        QPainter painter(&piece);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(inside.topLeft() - box.topLeft(), surface, inside);
    }
    return piece;
}

void fillPart(QImage &surface, const QVector<QPoint> &points, const QColor &colour)
{
    if (points.size() < 2)
        return;
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon(points), Qt::OddEvenFill);
}

QColor colourAt(const QImage &surface, QPoint p)
{
    if (!surface.rect().contains(p))
        return QColor(Qt::white);
    return QColor(qRgb(qRed(surface.pixel(p)), qGreen(surface.pixel(p)), qBlue(surface.pixel(p))));
}

QRect outlineBox(const QVector<QPoint> &points)
{
    if (points.isEmpty())
        return QRect();
    int left = points.first().x(), right = left, top = points.first().y(), bottom = top;
    for (const QPoint &p : points) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    return QRect(left, top, right - left, bottom - top);
}
