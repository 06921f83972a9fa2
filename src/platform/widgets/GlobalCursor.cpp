#include "platform/widgets/GlobalCursor.h"

#include <QGuiApplication>

namespace GlobalCursor {

void set(const QCursor &cursor)
{
    // Qt keeps a stack of override cursors; the game only ever wants one.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

void reset()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool isSet()
{
    return QGuiApplication::overrideCursor() != nullptr;
}

QCursor current()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? *cursor : QCursor(Qt::ArrowCursor);
}

} // namespace GlobalCursor
