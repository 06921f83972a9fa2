#pragma once

#include <QCheckBox>

// A check box that also tells when any mouse button is released over it, after its own
// handling has toggled the tick.
class MouseUpCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

Q_SIGNALS:
    void mouseUp(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
