#pragma once

class QWidget;

// Start-up timing: with the logging rule "petara.startup.info=true", logs "first frame" once
// the window has painted itself for the first time. Otherwise it does nothing.
void logFirstFrame(QWidget &window);
