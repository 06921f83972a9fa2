#pragma once

#include <functional>

class QWidget;

// Runs work once, as soon as the window's first frame has gone out: for what the first screen
// does not need but should be ready soon after. Work runs in the order it was asked for.
void afterFirstFrame(QWidget &window, std::function<void()> work);

// Start-up timing: with the logging rule "petara.startup.info=true", logs "first frame" once
// the window has painted itself for the first time. Otherwise it does nothing. Asked for before
// anything else waits for the frame, it is logged before that work starts.
void logFirstFrame(QWidget &window);
