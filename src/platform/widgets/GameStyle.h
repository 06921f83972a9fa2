#pragma once

#include <QIcon>
#include <QProxyStyle>

// The platform's own style, but for the menu bar's overflow arrow, which is drawn here rather
// than read from the style's image file. That read would be the first use of Qt's image
// readers, whose plugin search costs the start several milliseconds; the arrow itself only
// shows when the menus do not fit the window's width.
class GameStyle : public QProxyStyle
{
public:
    GameStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    QIcon m_overflowArrow;
};
