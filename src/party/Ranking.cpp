#include "party/Ranking.h"

#include "platform/system/Chance.h"

#include <algorithm>
#include <numeric>

QList<RankedTurn> rankingOf(const QList<PartyTurn> &turns)
{
    QList<RankedTurn> ranking;
    ranking.reserve(turns.size());
    for (int i = 0; i < turns.size(); ++i)
        ranking.append({0, i, turns[i].player, turns[i].score});
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const RankedTurn &a, const RankedTurn &b) { return a.score > b.score; });
    for (int i = 0; i < ranking.size(); ++i)
        ranking[i].place = i > 0 && ranking[i].score == ranking[i - 1].score ? ranking[i - 1].place : i + 1;
    return ranking;
}

QStringList winnersOf(const QList<RankedTurn> &ranking)
{
    QStringList winners;
    for (const RankedTurn &line : ranking) {
        if (line.isWinner())
            winners.append(line.player);
    }
    return winners;
}

QStringList newOrder(const QStringList &names, Chance &chance)
{
    const int count = int(names.size());
    if (count < 2)
        return names;
    // The players are shuffled as positions, so that two players of one name still count as two.
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    chance.reseed();
    for (int i = count - 1; i > 0; --i)
        std::swap(order[i], order[chance.below(i + 1)]);
    if (std::is_sorted(order.begin(), order.end()))
        std::rotate(order.begin(), order.begin() + 1, order.end());
    QStringList shuffled;
    shuffled.reserve(count);
    for (int position : order)
        shuffled.append(names[position]);
    return shuffled;
}
