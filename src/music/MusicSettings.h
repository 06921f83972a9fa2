#pragma once

#include <QString>

// The two music settings kept in the index: whether music is wanted, and the tune's path.
struct MusicSettings
{
    bool BgmOn = true;
    QString MusicFileName;
};
