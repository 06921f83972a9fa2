#pragma once

#include <QList>
#include <QString>

// A player of a party round, as the round's dialog takes them.
struct RoundPlayer
{
    QString name;
    bool practice = false; // may play a practice game before the real one

    bool operator==(const RoundPlayer &) const = default;
};

namespace RoundPlayers {

inline constexpr int Fewest = 2;
inline constexpr int Most = 8;

// Why the players cannot play a round on the face `face`, as a message; empty when they can.
// Two to eight players, each name one that names a round's works (playerNameProblem), and no
// name twice, since the ranking and the works tell the players apart by name.
QString problem(const QList<RoundPlayer> &players, const QString &face);

// The players in the order of `names`, each with the practice choice they had.
QList<RoundPlayer> inOrder(const QList<RoundPlayer> &players, const QStringList &names);

} // namespace RoundPlayers
