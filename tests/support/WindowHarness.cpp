#include "support/WindowHarness.h"

#include "music/AudioOutput.h"
#include "platform/widgets/Fonts.h"

#include <QRegularExpression>
#include <QTimer>

WindowHarness::WindowHarness(const QString &appDir, bool music)
{
    // A broken signal connection must fail the test that made it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
    Fonts::installSubstitution();
    // Silent even when a test is started by hand on a desktop.
    qputenv(AudioOutput::DriverVariable, "file");
    MainWindowServices services;
    services.appDir = appDir;
    // Never the system's shared library: tests that want one make it inside their own folder.
    services.windowsFolder = appDir + QStringLiteral("windows");
    services.dialogs = &dialogs;
    services.chance = &chance;
    services.desktop = &desktop;
    services.music = music;
    m_form = std::make_unique<MainWindow>(services);
}

WindowHarness::~WindowHarness()
{
    // Closing writes the music switch, as the program does at its end.
    if (m_form->isVisible())
        m_form->close();
}

bool WindowHarness::show()
{
    m_form->show();
    const bool started = w().tickTimer->isActive();
    w().tickTimer->stop();
    return started;
}

void WindowHarness::finishOpening()
{
    for (int i = 0; i < 8; ++i)
        m_form->tick();
}

void WindowHarness::open()
{
    show();
    finishOpening();
}

void WindowHarness::click(QWidget *widget, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

QPoint WindowHarness::globalCentre(QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

bool nearColour(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}
