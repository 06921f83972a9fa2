#pragma once

#include <QString>

#include <optional>

// A screen of another density for flow tests. The offscreen window system takes its screen
// when the application starts, so the test executable runs again in a child process on a
// configured screen; the program there meets the density only as Qt reports it.
struct SimulatedScreen
{
    int pixelsPerInch = 96;
    bool highDpiScaling = true; // false: as with QT_ENABLE_HIGHDPI_SCALING=0

    // The screen this process was started on by run(); none in a test's own process.
    static std::optional<SimulatedScreen> current();
    // Runs this executable again on the screen. Returns whether every test there passed;
    // `log` gets what it printed.
    bool run(QString *log) const;
};
