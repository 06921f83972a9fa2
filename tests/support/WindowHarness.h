#pragma once

#include "app/MainWindow.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "support/ScriptedDialogs.h"
#include "support/FixedChance.h"
#include "support/RecordingDesktop.h"

#include <QTest>

#include <memory>

// Whether two colours differ by no more than JPEG's rounding on a flat picture.
bool nearColour(const QColor &a, const QColor &b, int tolerance = 8);

// Builds the real main window on a program folder with scripted dialogs, a fixed chance and
// a recording desktop, and drives it the way a player would.
class WindowHarness
{
public:
    explicit WindowHarness(const QString &appDir, bool music = false);
    ~WindowHarness();

    MainWindow &form() { return *m_form; }
    const MainWindowWidgets &w() const { return m_form->widgets(); }

    // Shows the window, which runs the start-up sequence; the real timer is stopped so that
    // tests tick by hand. Returns whether the timer had been started.
    bool show();
    // Runs the remaining opening ticks.
    void finishOpening();
    // show() and finishOpening().
    void open();

    void click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
    // The point of a widget in global (screen) coordinates.
    static QPoint globalCentre(QWidget *widget);

    ScriptedDialogs dialogs;
    FixedChance chance;
    RecordingDesktop desktop;

private:
    std::unique_ptr<MainWindow> m_form;
};
