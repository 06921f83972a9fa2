#include "platform/files/ShippedFiles.h"

#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FolderCreation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace ShippedFiles {

namespace {

QByteArray readShipped(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("ファイル「%1」を読み込めませんでした。\r%2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

} // namespace

QStringList list(const QString &source)
{
    const QDir root(source);
    QStringList files;
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

QStringList copyMissing(const QString &source, const QString &target, const QString &lastRelative)
{
    if (!QFileInfo(source).isDir())
        throw AppError(
            QStringLiteral("ゲームのデータ「%1」が見つかりません。\rペタラ３をインストールし直してください。")
                .arg(QDir::toNativeSeparators(source)));
    QStringList order = list(source);
    if (order.removeAll(lastRelative) > 0)
        order << lastRelative;

    const QDir from(source);
    const QDir to(target);
    createFolder(target);
    QStringList copied;
    for (const QString &relative : std::as_const(order)) {
        const QString destination = to.filePath(relative);
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
            continue;
        createFolder(QFileInfo(destination).absolutePath());
        writeFileAtomically(destination, readShipped(from.filePath(relative)));
        copied << relative;
    }
    return copied;
}

} // namespace ShippedFiles
