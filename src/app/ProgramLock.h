#pragma once

#include <QString>

#include <memory>

// A lock on the program folder, held for this process, so that a second instance never writes
// the same files at once. The kernel drops it when the object ends or the process dies, so a
// killed instance never leaves a lock behind; the lock file itself stays.
class ProgramLock
{
public:
    explicit ProgramLock(int fileDescriptor) : m_fileDescriptor(fileDescriptor) {}
    ~ProgramLock();
    ProgramLock(const ProgramLock &) = delete;
    ProgramLock &operator=(const ProgramLock &) = delete;

private:
    int m_fileDescriptor;
};

// Locks the program folder. Throws AppError saying the game is already running when another
// live instance holds it, or naming the folder and the reason when the lock file cannot be
// opened.
std::unique_ptr<ProgramLock> lockProgramFolder(const QString &appDir);

// The lock file's name inside the program folder.
inline QString programLockName()
{
    return QStringLiteral("petara3.lock");
}
