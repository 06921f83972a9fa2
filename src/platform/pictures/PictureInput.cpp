#include "platform/pictures/PictureInput.h"

#include "platform/system/AppError.h"
#include "platform/pictures/PictureLimits.h"

#include <QDir>
#include <QFileInfo>

std::unique_ptr<QFile> openPictureFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        throw AppError(
            QStringLiteral("ファイル「%1」が見つからないか、読み込めません。").arg(QDir::toNativeSeparators(path)));
    // The size of the file opened, not of whatever the name pointed at a moment before.
    if (file->size() > maxPictureFileBytes)
        throw AppError(QStringLiteral("「%1」はファイルが大きすぎるため読み込めません（%2 MB まで）。")
                           .arg(QFileInfo(path).fileName())
                           .arg(maxPictureFileBytes / (1024 * 1024)));
    return file;
}
