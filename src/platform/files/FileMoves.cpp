#include "platform/files/FileMoves.h"

#include "platform/system/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace FileMoves {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool moveFile(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    // A missing folder on the way (or a file where a folder should be) means a missing source too.
    if ((errno == ENOENT || errno == ENOTDIR) && !QFile::exists(from) && QDir(QFileInfo(to).absolutePath()).exists())
        return false;
    throw AppError(QStringLiteral("ファイル「%1」を「%2」へ移せませんでした。").arg(shown(from), shown(to)));
}

void removeFile(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT)
        return;
    throw AppError(QStringLiteral("ファイル「%1」を削除できませんでした。").arg(shown(path)));
}

void syncFolder(const QString &path)
{
    const int folder = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        throw AppError(QStringLiteral("フォルダー「%1」を開けませんでした。").arg(shown(path)));
    // Some file systems cannot sync a folder at all; they say so with EINVAL and lose nothing by it.
    const bool synced = ::fsync(folder) == 0 || errno == EINVAL;
    ::close(folder);
    if (!synced)
        throw AppError(QStringLiteral("フォルダー「%1」への書き込みを確定できませんでした。").arg(shown(path)));
}

} // namespace FileMoves
