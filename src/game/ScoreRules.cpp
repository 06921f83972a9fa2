#include "game/ScoreRules.h"

#include <cstdlib>

int scoreFor(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces)
{
    qint64 score = 300;
    for (int k = 0; k < 4; ++k) {
        score -= std::llabs(qint64(placed[k].x()) - rightPlaces[k].x());
        score -= std::llabs(qint64(placed[k].y()) - rightPlaces[k].y());
    }
    return score < 0 ? 0 : int(score);
}
