#include "creation/CreationDrawing.h"

#include <QPainter>
#include <QPolygon>

namespace {

QPen dottedBluePen()
{
    QPen pen(QColor(0x00, 0x00, 0xFF), 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

void drawDottedPolyline(QImage &surface, const QVector<QPoint> &points)
{
    if (points.size() < 2)
        return;
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(dottedBluePen());
    painter.drawPolyline(points.constData(), int(points.size()));
}

void drawDottedRectangle(QImage &surface, QPoint a, QPoint b)
{
    const QPoint corners[] = {a, QPoint(b.x(), a.y()), b, QPoint(a.x(), b.y())};
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(dottedBluePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(corners, 4);
}
