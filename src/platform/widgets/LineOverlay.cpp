#include "platform/widgets/LineOverlay.h"

#include <QMouseEvent>
#include <QPainter>

LineOverlay::LineOverlay(QWidget *parent) : QWidget(parent)
{
    // Only the lines are drawn; what lies below shows through everywhere else.
    setAttribute(Qt::WA_TranslucentBackground);
}

void LineOverlay::setLines(const QVector<Line> &lines)
{
    m_lines = lines;
    update();
}

void LineOverlay::setLinesShown(bool shown)
{
    m_linesShown = shown;
    update();
}

void LineOverlay::paintEvent(QPaintEvent *)
{
    if (!m_linesShown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Line &line : std::as_const(m_lines)) {
        painter.setPen(QPen(line.colour, 2));
        painter.drawLine(line.line);
        painter.setBrush(line.colour);
        painter.drawEllipse(QPointF(line.line.p2()), 3.5, 3.5);
        painter.setBrush(Qt::NoBrush);
    }
}

void LineOverlay::mousePressEvent(QMouseEvent *event)
{
    toggleLines();
    event->accept();
}
