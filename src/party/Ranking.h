#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Chance;

// One turn of a party round: who played the face and what they scored.
struct PartyTurn
{
    QString player;
    int score = 0;
};

// A line of a round's ranking.
struct RankedTurn
{
    int place = 0; // 1 for the best score; equal scores share a place, and the places they take are skipped
    int turn = 0;  // where the turn stood in the round, from 0
    QString player;
    int score = 0;

    bool isWinner() const { return place == 1; }
    bool operator==(const RankedTurn &) const = default;
};

// The round's ranking: the highest score first, equal scores on one place (300, 250, 250, 100
// take 1, 2, 2, 4), and the earlier turn first among equal scores.
QList<RankedTurn> rankingOf(const QList<PartyTurn> &turns);

// The players at place 1, in the ranking's order.
QStringList winnersOf(const QList<RankedTurn> &ranking);

// The order of the next round ("もう一回"): the same players shuffled, never in the order they
// had, as long as there are two or more. Fewer come back as they are.
QStringList newOrder(const QStringList &names, Chance &chance);
