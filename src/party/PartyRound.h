#pragma once

#include "party/Ranking.h"
#include "party/RoundPlayers.h"

class Chance;

// A party round: the players take their turns on one face in order, each turn scored at its
// unveiling, and the ranking once everyone has played.
class PartyRound
{
public:
    // players: two to eight, as RoundPlayers::problem accepts them.
    explicit PartyRound(QList<RoundPlayer> players);

    const QList<RoundPlayer> &players() const { return m_players; }
    // The turn under way, from 0; players().size() once the round is over.
    int turn() const { return m_turn; }
    const RoundPlayer &player() const { return m_players.at(m_turn); }
    bool isLastTurn() const { return m_turn == m_players.size() - 1; }
    bool isOver() const { return m_turn >= m_players.size(); }

    // The score of the turn under way; a turn scores once.
    void scoreTurn(int score);
    bool turnScored() const { return m_scores.size() > m_turn; }
    // On to the next player, once this one has scored.
    void nextTurn();

    // The ranking of the turns played so far.
    QList<RankedTurn> ranking() const;
    // "もう一回": the same players, each with their practice choice, in a new order.
    PartyRound again(Chance &chance) const;

private:
    QList<RoundPlayer> m_players;
    QList<int> m_scores; // by turn
    int m_turn = 0;
};
