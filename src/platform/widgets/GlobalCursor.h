#pragma once

#include <QCursor>

// The application-wide cursor, which, while set, overrides every widget's own cursor.
// Needs a QGuiApplication.
namespace GlobalCursor {

// Shows `cursor` everywhere; replaces any cursor set before, never stacks on it.
void set(const QCursor &cursor);
// Back to the widgets' own cursors: removes every override, whoever set it.
void reset();
// Whether a global cursor is set.
bool isSet();
// The global cursor, or the default arrow when none is set.
QCursor current();

} // namespace GlobalCursor
