#include "party/PartyRound.h"

#include <QStringList>

PartyRound::PartyRound(QList<RoundPlayer> players) : m_players(std::move(players)) {}

void PartyRound::scoreTurn(int score)
{
    if (!isOver() && !turnScored())
        m_scores.append(score);
}

void PartyRound::nextTurn()
{
    if (turnScored())
        ++m_turn;
}

QList<RankedTurn> PartyRound::ranking() const
{
    QList<PartyTurn> turns;
    for (int i = 0; i < m_scores.size(); ++i)
        turns.append({m_players[i].name, m_scores[i]});
    return rankingOf(turns);
}

PartyRound PartyRound::again(Chance &chance) const
{
    QStringList names;
    for (const RoundPlayer &player : m_players)
        names.append(player.name);
    return PartyRound(RoundPlayers::inOrder(m_players, newOrder(names, chance)));
}
