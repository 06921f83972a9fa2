#include "app/ProgramLock.h"

#include "platform/AppError.h"
#include "platform/WriteErrors.h"

#include <QDir>
#include <QLockFile>

#include <cerrno>

std::unique_ptr<QLockFile> lockProgramFolder(const QString &appDir)
{
    auto lock = std::make_unique<QLockFile>(appDir + programLockName());
    // Only a live process keeps the lock; a killed one leaves a stale file that the next start takes over.
    lock->setStaleLockTime(0);
    errno = 0;
    if (lock->tryLock(0))
        return lock;
    const int error = errno;
    if (lock->error() == QLockFile::LockFailedError)
        throw AppError(QStringLiteral("ペタラ３はもう起動しています。"));
    throw AppError(QStringLiteral("フォルダ「%1」に書き込めませんでした。\r%2")
                           .arg(QDir::toNativeSeparators(appDir),
                                reasonForWriteError(error != 0 ? error : EACCES)));
}
