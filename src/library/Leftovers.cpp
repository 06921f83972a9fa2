#include "library/Leftovers.h"

#include "library/FacePaths.h"
#include "platform/files/AtomicFile.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace {

void removeFilesIn(const QString &folder, const std::function<bool(const QString &)> &isLeftover)
{
    const QDir dir(folder);
    // Links are never followed: a link of a leftover's name is removed as a link.
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted)) {
        if (isLeftover(name))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace

void removeLeftovers(const QString &appDir, int storedFaceCount)
{
    removeFilesIn(appDir, isAtomicWriteTemporary);
    removeFilesIn(FacePaths::worksFolder(appDir), isAtomicWriteTemporary);
    removeFilesIn(appDir + QStringLiteral("data"), [storedFaceCount](const QString &name) {
        if (isAtomicWriteTemporary(name))
            return true;
        const qint64 face = FacePaths::faceOfPictureName(name);
        return storedFaceCount >= 0 && face >= storedFaceCount;
    });
}
