#pragma once

#include <QString>

class Desktop;
class Dialogs;

// "ヘルプ": opens the help text beside the program with the desktop's own viewer, and says so
// when it cannot be opened.
void openHelpText(Desktop &desktop, Dialogs &dialogs, const QString &appDir);
