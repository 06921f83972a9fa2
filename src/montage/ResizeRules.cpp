#include "montage/ResizeRules.h"

#include <cmath>

namespace ResizeRules {

int resizedSide(int side, float factor)
{
    // The product keeps every bit of the float factor, so 60 × 0.9f gives 53, not 54.
    const long double product = static_cast<long double>(side) * static_cast<long double>(factor);
    int result = static_cast<int>(std::trunc(product));
    if (result > 151)
        result = 150;
    if (result < 9)
        result = 10;
    return result;
}

QSize resized(QSize size, float factor)
{
    return QSize(resizedSide(size.width(), factor), resizedSide(size.height(), factor));
}

} // namespace ResizeRules
