#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Locks the program folder for this process, so that a second instance never writes the same
// files at once; the lock ends with the returned object, or with the process when it is killed.
// Throws AppError saying the game is already running when another live instance holds it, or
// naming the folder and the reason when the lock file cannot be written.
std::unique_ptr<QLockFile> lockProgramFolder(const QString &appDir);

// The lock file's name inside the program folder.
inline QString programLockName()
{
    return QStringLiteral("petara3.lock");
}
