#pragma once

#include "platform/system/AppError.h"

#include <QString>

#include <functional>

// The message of the AppError that action throws; empty when it throws none.
inline QString messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        return error.message();
    }
    return QString();
}
