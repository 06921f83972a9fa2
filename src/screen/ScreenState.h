#pragma once

#include "screen/Screen.h"
#include "screen/ScreenConditions.h"

#include <functional>

class CommandButton;
class QAction;

// The command buttons and menu commands whose looks the screen decides.
struct CommandWidgets
{
    CommandButton *selectButton = nullptr;
    CommandButton *startButton = nullptr;
    CommandButton *modeButton = nullptr;
    CommandButton *cutOrDeleteButton = nullptr;
    CommandButton *growButton = nullptr;
    CommandButton *shrinkButton = nullptr;
    CommandButton *replayButton = nullptr;
    CommandButton *doubleSpeedButton = nullptr;
    CommandButton *slideshowButton = nullptr;
    QAction *faceMenuAction = nullptr;
    QAction *createFaceAction = nullptr;
    QAction *deleteFacesAction = nullptr;
    QAction *galleryAction = nullptr;
    QAction *montageAction = nullptr;
    QAction *partyMenuAction = nullptr;
};

// The screen that stands and the conditions within it. The main window owns it; every change
// goes through change(), which gives the command buttons and menus the looks of the command table.
class ScreenState
{
public:
    // Shows the start-up screen.
    explicit ScreenState(const CommandWidgets &widgets);

    Screen screen() const { return m_screen; }
    const ScreenConditions &conditions() const { return m_conditions; }

    void change(Screen next, const ScreenConditions &conditions);
    // Another screen under the same conditions.
    void change(Screen next) { change(next, m_conditions); }

    // Called after every change, with the screen that now stands.
    void setOnChange(std::function<void(Screen)> onChange) { m_onChange = std::move(onChange); }

private:
    void apply();

    CommandWidgets m_widgets;
    Screen m_screen = Screen::Starting;
    ScreenConditions m_conditions;
    std::function<void(Screen)> m_onChange;
};
