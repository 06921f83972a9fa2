#pragma once

#include <functional>

class Dialogs;

// Runs one event handler; a failure inside it stops the handler and is shown in an error box.
// Returns false when the handler failed.
bool runHandler(Dialogs &dialogs, const std::function<void()> &handler);
