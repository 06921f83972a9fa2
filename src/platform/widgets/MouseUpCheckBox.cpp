#include "platform/widgets/MouseUpCheckBox.h"

#include <QMouseEvent>

void MouseUpCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool over = rect().contains(event->position().toPoint());
    const Qt::MouseButton button = event->button();
    QCheckBox::mouseReleaseEvent(event);
    if (over)
        Q_EMIT mouseUp(button);
}
