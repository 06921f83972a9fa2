#include "platform/FontConfigPreload.h"

#include "platform/ThreadPlacement.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigPreload::FontConfigPreload()
{
    try {
        m_reader = std::thread([] { FcInit(); });
        ThreadPlacement::keepOffCallersCore(m_reader);
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
}

FontConfigPreload::~FontConfigPreload()
{
    wait();
}

void FontConfigPreload::wait()
{
    if (!m_reader.joinable())
        return;
    // Waiting leaves this core idle; should the helper still be busy, it may finish here.
    ThreadPlacement::allowCallersCores(m_reader);
    m_reader.join();
}
