#include "platform/files/AtomicFile.h"

#include "platform/system/AppError.h"
#include "platform/files/FileSystemCalls.h"
#include "platform/files/WriteErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString &path, int error)
{
    throw AppError(QStringLiteral("ファイル「%1」に書き込めませんでした。\r%2")
                       .arg(QDir::toNativeSeparators(path), reasonForWriteError(error)));
}

// A symbolic link keeps pointing at the file it names; the file behind it is replaced.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

// A new file of a name no one else uses, in folder; -1 with errno set when none can be made.
int createTemporary(FileSystemCalls &calls, const QByteArray &folder, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.petara-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
        const int fd = calls.open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || (errno != EEXIST && errno != EINTR))
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The errno of the first failed write, or 0 when every byte was written.
int writeAll(FileSystemCalls &calls, int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = calls.write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A regular file that takes nothing would never take the rest.
        if (written == 0)
            return EIO;
        data += written;
        left -= size_t(written);
    }
    return 0;
}

// Makes the rename itself survive a power failure. The new content is already in place and
// synced, so a folder that cannot be synced (some file systems refuse) is no failure of the write.
void syncFolder(FileSystemCalls &calls, const QByteArray &folder)
{
    const int fd = calls.open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    calls.fsync(fd);
    calls.close(fd);
}

} // namespace

bool isAtomicWriteTemporary(const QString &fileName)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("\\.petara-[0-9a-f]{1,8}\\.tmp")));
    return pattern.match(fileName).hasMatch();
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    writeFileAtomically(path, bytes, FileSystemCalls::system());
}

void writeFileAtomically(const QString &path, const QByteArray &bytes, FileSystemCalls &calls)
{
    const QString target = resolvedTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());

    // A file the player made read-only stays as it is, although the folder would allow the rename.
    struct stat old;
    const bool replacing = ::stat(targetName.constData(), &old) == 0 && S_ISREG(old.st_mode);
    if (replacing && ::access(targetName.constData(), W_OK) != 0)
        fail(path, errno);

    QByteArray temporary;
    const int fd = createTemporary(calls, folder, temporary);
    if (fd < 0)
        fail(path, errno);

    // The replacement keeps the old file's permissions; when they cannot be copied the umask's
    // defaults are no reason to refuse the write.
    if (replacing)
        ::fchmod(fd, old.st_mode & 07777);

    int error = writeAll(calls, fd, bytes);
    if (error == 0 && calls.fsync(fd) != 0)
        error = errno;
    if (error != 0)
        calls.close(fd);
    else if (calls.close(fd) != 0)
        error = errno;
    if (error == 0 && calls.rename(temporary.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        calls.unlink(temporary.constData());
        fail(path, error);
    }
    syncFolder(calls, folder);
}
