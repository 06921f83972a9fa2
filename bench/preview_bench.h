#pragma once

#include <QString>

// The photo dialog's preview of the JPEG at path against decoding it whole, as the loader does.
void benchPreview(const QString &path);
