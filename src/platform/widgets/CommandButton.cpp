#include "platform/widgets/CommandButton.h"

#include <QMouseEvent>

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void CommandButton::setCaptionColor(const QColor &color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, color);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, color);
    setPalette(palette);
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    // Any button presses the command button, so that a release of any button can follow.
    if (event->button() != Qt::LeftButton) {
        setDown(true);
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool over = rect().contains(event->position().toPoint());
    if (event->button() != Qt::LeftButton) {
        setDown(false);
        event->accept();
    } else {
        QPushButton::mouseReleaseEvent(event);
    }
    if (over && isEnabled())
        Q_EMIT mouseUp(event->button());
}
