#include "app/ProgramLock.h"

#include "platform/system/AppError.h"
#include "platform/files/WriteErrors.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ProgramLock::~ProgramLock()
{
    ::close(m_fileDescriptor);
}

std::unique_ptr<ProgramLock> lockProgramFolder(const QString &appDir)
{
    const QByteArray path = QFile::encodeName(appDir + programLockName());
    // Reading is enough for flock(), so a lock file that was copied read-only still serves.
    const int fileDescriptor = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fileDescriptor < 0) {
        const int error = errno;
        throw AppError(QStringLiteral("フォルダ「%1」に書き込めませんでした。\r%2")
                           .arg(QDir::toNativeSeparators(appDir), reasonForWriteError(error)));
    }
    // flock() locks the open file, not the process: a second open in this process is refused too.
    int result;
    do {
        result = ::flock(fileDescriptor, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fileDescriptor);
        if (error == EWOULDBLOCK)
            throw ProgramAlreadyRunning();
        throw AppError(QStringLiteral("フォルダ「%1」に書き込めませんでした。\r%2")
                           .arg(QDir::toNativeSeparators(appDir), reasonForWriteError(error)));
    }
    return std::make_unique<ProgramLock>(fileDescriptor);
}
