#pragma once

#include "party/RoundPlayers.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Who played last, kept for the next round's dialog and for the hall of fame of a game played
// alone.
struct RememberedPlayers
{
    QList<RoundPlayer> players; // the last round's, in the order they were typed
    QString lastPlayer;         // who played the last game of a round; empty before any

    bool operator==(const RememberedPlayers &) const = default;
};

// The players in data/players.txt: UTF-8 text, the line "petara3 players 1", then a line
// "player<TAB><name><TAB><1 or 0>" for each player of the last round (1: may practise) and at
// most one line "last<TAB><name>". Every line ends with "\n".
namespace PlayersFile {

// More is never written; such a file is not read.
inline constexpr qint64 MaxBytes = 64 * 1024;

QByteArray toBytes(const RememberedPlayers &remembered);
// What the bytes hold, or nothing when anything in them is not what this game writes: a wrong
// first line, an unknown or malformed line, more than eight players, a name no round would take.
std::optional<RememberedPlayers> parse(const QByteArray &bytes);

// The program folder's players; nobody when the file is missing, unreadable or damaged. The
// names are only a help for the next round's typing, so a damaged file is simply written anew.
RememberedPlayers load(const QString &appDir);
// Replaces the file atomically. Throws AppError, leaving the file as it was.
void save(const QString &appDir, const RememberedPlayers &remembered);

} // namespace PlayersFile
