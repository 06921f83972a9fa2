#pragma once

#include <QPushButton>

// The game's command buttons: a bold coloured caption, and a signal for the release of any
// mouse button over the button (one handler reacts to the release, not to a click).
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);

    void setCaptionColor(const QColor &color);

Q_SIGNALS:
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
