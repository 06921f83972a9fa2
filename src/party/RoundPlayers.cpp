#include "party/RoundPlayers.h"

#include "screen/NameRules.h"

#include <QSet>
#include <QStringList>

namespace RoundPlayers {

QString problem(const QList<RoundPlayer> &players, const QString &face)
{
    if (players.size() < Fewest || players.size() > Most)
        return QStringLiteral("遊ぶ人の名前を、%1人から%2人まで入力してください。").arg(Fewest).arg(Most);
    QSet<QString> seen;
    for (int i = 0; i < players.size(); ++i) {
        const QString &name = players[i].name;
        const QString nameProblem = playerNameProblem(name, face);
        if (!nameProblem.isEmpty())
            return QStringLiteral("%1人目の名前：").arg(i + 1) + nameProblem;
        if (seen.contains(name))
            return QStringLiteral("「%1」さんが二人います。\r名前を変えて、見分けられるようにしてください。").arg(name);
        seen.insert(name);
    }
    return {};
}

QList<RoundPlayer> inOrder(const QList<RoundPlayer> &players, const QStringList &names)
{
    QList<RoundPlayer> ordered;
    ordered.reserve(names.size());
    for (const QString &name : names) {
        for (const RoundPlayer &player : players) {
            if (player.name == name) {
                ordered.append(player);
                break;
            }
        }
    }
    return ordered;
}

} // namespace RoundPlayers
