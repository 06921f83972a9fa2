#pragma once

#include <QDateTime>
#include <QString>

// The file names of saved works in the works folder.
namespace WorkNaming {

// "yyyymmddhhnnss": the local date and time in 14 digits.
QString timeStamp(const QDateTime &time);

// face name + "_" + stamp + "_" + score + ".jpg"
QString gameWork(const QString &faceName, const QDateTime &time, int score);

// A round's work: face name + "（" + player + "）_" + stamp + "_" + score + ".jpg". The stamp and the
// score stay last, so the gallery orders it by date as any other.
QString roundWork(const QString &faceName, const QString &player, const QDateTime &time, int score);

// typed name + "_" + stamp + "_M.jpg"
QString montageWork(const QString &typedName, const QDateTime &time);

// The replay kept beside a work: its name with ".webp" in place of ".jpg".
QString replayOf(const QString &workFileName);

} // namespace WorkNaming
