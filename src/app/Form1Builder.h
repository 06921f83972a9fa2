#pragma once

#include "screen/Form1Widgets.h"

class QMainWindow;

// Builds the main window's menu, client area and widgets at their start positions,
// sizes, captions, fonts, colours, visibility and enabled states.
Form1Widgets buildForm1(QMainWindow *window);
