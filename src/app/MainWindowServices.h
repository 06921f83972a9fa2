#pragma once

#include <QString>

class Chance;
class Desktop;
class Dialogs;

// What the main window needs from outside: its program folder and the services that tests
// replace (dialogs, chance and clock, the desktop's open action).
struct MainWindowServices
{
    QString appDir; // with a trailing "/"
    Dialogs *dialogs = nullptr;
    Chance *chance = nullptr;
    Desktop *desktop = nullptr;
    QString windowsFolder = QStringLiteral("/var/lib"); // holds the shared library PetaraData
    bool music = true;                                  // false: no tune is ever opened
};
