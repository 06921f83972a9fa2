#pragma once

#include <QByteArray>

// The variables of the session that decide which window system the game talks to.
struct SessionVariables
{
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray display;        // DISPLAY

    static SessionVariables ofThisProcess();
};

// The Qt platform the game asks for, or empty to leave the choice to Qt. In a Wayland session
// that also offers X (XWayland) the game runs through X, where a program may centre its window
// and follow the pointer across the screen, as the blind drag needs. A platform the player names
// always wins; a session without X stays on its own window system.
QByteArray chosenQtPlatform(const SessionVariables &session);
