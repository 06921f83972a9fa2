#pragma once

#include <thread>

// Reading the system's font configuration takes several milliseconds, and Qt does it only when
// the first text is laid out. Started first thing in main(), it is read on another thread while
// the application object and the program folder are set up. The font library allows the read
// from any thread; were Qt to ask before this is done, both reads would simply complete.
class FontConfigPreload
{
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload &) = delete;
    FontConfigPreload &operator=(const FontConfigPreload &) = delete;

    // Waits until the configuration is read; call before the first text is shown.
    void wait();

private:
    std::thread m_reader;
};
