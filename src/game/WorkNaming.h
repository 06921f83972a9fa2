#pragma once

#include <QDateTime>
#include <QString>

// The file names of saved works in the works folder.
namespace WorkNaming {

// "yyyymmddhhnnss": the local date and time in 14 digits.
QString timeStamp(const QDateTime &time);

// face name + "_" + stamp + "_" + score + ".jpg"
QString gameWork(const QString &faceName, const QDateTime &time, int score);

// typed name + "_" + stamp + "_M.jpg"
QString montageWork(const QString &typedName, const QDateTime &time);

// Why a work named `name` cannot be written as `fileName` inside the works folder, as a message
// for the player that names the real reason (a NUL, a "/" that would lead out of the folder, a
// name of only "." or "..", a file name too long for the file system); empty when it is fine.
QString fileNameProblem(const QString &name, const QString &fileName);

} // namespace WorkNaming
