#pragma once

#include "platform/widgets/Desktop.h"

#include <QStringList>

// The desktop's open action for tests: records what was opened and answers as told.
class RecordingDesktop : public Desktop
{
public:
    bool openFile(const QString &path) override
    {
        openedFiles << path;
        return succeeds;
    }
    bool openAddress(const QString &address) override
    {
        openedAddresses << address;
        return succeeds;
    }

    bool succeeds = true;
    QStringList openedFiles;
    QStringList openedAddresses;
};
