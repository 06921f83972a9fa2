#pragma once

#include "screen/MainWindowWidgets.h"

class QMainWindow;

// Builds the main window's menu, client area and widgets at their start positions,
// sizes, captions, fonts, colours, visibility and enabled states.
MainWindowWidgets buildMainWindowWidgets(QMainWindow *window);
