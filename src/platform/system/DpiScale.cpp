#include "platform/system/DpiScale.h"

#include <cfenv>
#include <climits>
#include <cmath>

namespace Dpi {

int roundHalfEven(double value)
{
    // nearbyint honours the current rounding mode, which is round-half-to-even by default.
    const double rounded = std::nearbyint(value);
    if (rounded >= double(INT_MAX))
        return INT_MAX;
    if (rounded <= double(INT_MIN))
        return INT_MIN;
    return int(rounded);
}

int fileToScreen(int value, qint64 scale)
{
    return roundHalfEven(double(value) * double(scale) / 10000.0);
}

int screenToFile(int value, qint64 scale)
{
    if (scale <= 0)
        return value;
    return roundHalfEven(double(value) / double(scale) * 10000.0);
}

} // namespace Dpi
