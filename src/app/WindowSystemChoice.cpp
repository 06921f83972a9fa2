#include "app/WindowSystemChoice.h"

#include <QtGlobal>

SessionVariables SessionVariables::ofThisProcess()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
}

QByteArray chosenQtPlatform(const SessionVariables &session)
{
    // Qt treats an empty QT_QPA_PLATFORM as unset, and so does the game.
    if (!session.qtPlatform.isEmpty() || session.waylandDisplay.isEmpty() || session.display.isEmpty())
        return QByteArray();
    // Qt tries the names in turn: should the X server not answer, the game still starts on Wayland.
    return QByteArrayLiteral("xcb;wayland");
}
