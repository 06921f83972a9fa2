#include "platform/files/FolderCreation.h"

#include "platform/system/AppError.h"
#include "platform/files/WriteErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

// errno of the failed step, or 0 when the folder is there.
int makeFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return 0;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path) {
        if (const int error = makeFolder(parent))
            return error;
    }
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return 0;
    const int error = errno;
    // Someone else may have made it in the meantime.
    return error == EEXIST && QFileInfo(path).isDir() ? 0 : error;
}

} // namespace

void createFolder(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const int error = makeFolder(QDir::cleanPath(absolute)))
        throw AppError(QStringLiteral("フォルダ「%1」を作れませんでした。\r%2")
                           .arg(QDir::toNativeSeparators(path), reasonForWriteError(error)));
}
