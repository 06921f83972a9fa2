#include "support/FormHarness.h"

#include "music/AudioOutput.h"
#include "platform/Fonts.h"

#include <QRegularExpression>
#include <QTimer>

FormHarness::FormHarness(const QString &appDir, bool music)
{
    // A broken signal connection must fail the test that made it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
    Fonts::installSubstitution();
    // Silent even when a test is started by hand on a desktop.
    qputenv(AudioOutput::DriverVariable, "file");
    Form1Services services;
    services.appDir = appDir;
    // Never the system's shared library: tests that want one make it inside their own folder.
    services.windowsFolder = appDir + QStringLiteral("windows");
    services.dialogs = &dialogs;
    services.chance = &chance;
    services.desktop = &desktop;
    services.music = music;
    m_form = std::make_unique<TForm1>(services);
}

FormHarness::~FormHarness()
{
    // Closing writes the music switch, as the program does at its end.
    if (m_form->isVisible())
        m_form->close();
}

bool FormHarness::show()
{
    m_form->show();
    const bool started = w().Timer1->isActive();
    w().Timer1->stop();
    return started;
}

void FormHarness::finishOpening()
{
    for (int i = 0; i < 8; ++i)
        m_form->Timer1Timer();
}

void FormHarness::open()
{
    show();
    finishOpening();
}

void FormHarness::click(QWidget *widget, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

QPoint FormHarness::globalCentre(QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

bool nearColour(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}
