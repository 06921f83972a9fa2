#include "game/ScoreRules.h"

#include "game/PartReview.h"

int scoreFor(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces)
{
    qint64 score = 300;
    for (const int cost : PartReview::costs(placed, rightPlaces))
        score -= cost;
    return score < 0 ? 0 : int(score);
}
