#pragma once

#include <QString>

// The desktop's "open" action for a file or a web address.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // Returns false when the desktop could not open the target.
    virtual bool openFile(const QString &path) = 0;
    virtual bool openAddress(const QString &address) = 0;
};
