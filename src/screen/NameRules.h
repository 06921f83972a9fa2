#pragma once

#include <QString>

// A name typed for a face or a work is acceptable when it is not empty and is not exactly one
// half-width or one full-width space.
bool isAcceptableName(const QString &name);
