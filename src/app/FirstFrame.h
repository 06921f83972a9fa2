#pragma once

#include <functional>

class QWidget;

// Runs work once, as soon as the window's first frame has gone out: for what the first screen
// does not need but should be ready soon after.
void afterFirstFrame(QWidget &window, std::function<void()> work);

// Start-up timing: with the logging rule "petara.startup.info=true", logs "first frame" once
// the window has painted itself for the first time. Otherwise it does nothing.
void logFirstFrame(QWidget &window);
