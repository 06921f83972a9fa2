#include "game/PartReview.h"

#include <cstdlib>
#include <limits>

namespace PartReview {

std::array<int, 4> costs(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces)
{
    std::array<int, 4> result{};
    for (int k = 0; k < 4; ++k) {
        const qint64 cost = std::llabs(qint64(placed[k].x()) - rightPlaces[k].x())
                            + std::llabs(qint64(placed[k].y()) - rightPlaces[k].y());
        // Far beyond any score: the score itself stops at 0.
        result[k] = int(qMin<qint64>(cost, std::numeric_limits<int>::max()));
    }
    return result;
}

int bestPart(const std::array<int, 4> &costs)
{
    int best = 0;
    for (int k = 1; k < 4; ++k) {
        if (costs[k] < costs[best])
            best = k;
    }
    return best + 1;
}

QString line(int k, int cost, bool best)
{
    static const char16_t *const names[] = {u"右目", u"左目", u"鼻", u"口"};
    // A part right on its place costs nothing: no minus sign before the zero.
    const QString points = cost == 0 ? QStringLiteral("0点") : QStringLiteral("−%1点").arg(cost);
    return QString::fromUtf16(names[k - 1]) + QStringLiteral("　") + points
           + (best ? QStringLiteral("　◎") : QString());
}

} // namespace PartReview
