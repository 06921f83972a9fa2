#include "platform/widgets/GameStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Two small chevrons pointing right, as the styles draw the overflow of a bar.
QIcon overflowArrow()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    QPainterPath chevrons;
    for (const qreal left : {4.0, 8.5}) {
        chevrons.moveTo(left, 4.5);
        chevrons.lineTo(left + 3.5, 8);
        chevrons.lineTo(left, 11.5);
    }
    painter.drawPath(chevrons);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

GameStyle::GameStyle() : m_overflowArrow(overflowArrow()) {}

QIcon GameStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        return m_overflowArrow;
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
