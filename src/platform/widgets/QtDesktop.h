#pragma once

#include "platform/widgets/Desktop.h"

// Opens files and addresses with the desktop's own programs.
class QtDesktop : public Desktop
{
public:
    bool openFile(const QString &path) override;
    bool openAddress(const QString &address) override;
};
