#include "platform/system/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigPreload::FontConfigPreload()
{
    try {
        m_reader = std::thread([] { FcInit(); });
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
    if (m_reader.joinable())
        m_reader.join();
}
