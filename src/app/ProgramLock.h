#pragma once

#include "platform/system/AppError.h"

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

// What locking the folder throws when another live instance holds the lock.
class ProgramAlreadyRunning : public AppError
{
public:
    ProgramAlreadyRunning() : AppError(QStringLiteral("ペタラ３はもう起動しています。")) {}
};

// Locks the program folder. Throws ProgramAlreadyRunning when another live instance holds it,
// or AppError naming the folder and the reason when the lock file cannot be opened.
std::unique_ptr<ProgramLock> lockProgramFolder(const QString &appDir);

// The lock file's name inside the program folder.
inline QString programLockName()
{
    return QStringLiteral("petara3.lock");
}
