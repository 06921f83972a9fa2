#include "app/ProgramFolderChoice.h"

#include "library/FacePaths.h"
#include "platform/files/FolderCreation.h"
#include "platform/files/ShippedFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSlash(const QString &folder)
{
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString shippedDataFolder(const QString &executablePath)
{
    const QString bin = QFileInfo(executablePath).absolutePath();
    return withSlash(bin + QStringLiteral("/../share/petara3"));
}

ProgramFolderChoice chooseProgramFolder(const QString &executablePath, const QString &dataDirOption,
                                        const QString &userDataFolder)
{
    ProgramFolderChoice choice;
    const QString besideProgram = FacePaths::programFolder(executablePath);
    if (dataDirOption.isEmpty() && QFileInfo(FacePaths::indexFile(besideProgram)).isFile()) {
        choice.appDir = besideProgram;
        return choice;
    }
    choice.appDir = withSlash(dataDirOption.isEmpty() ? userDataFolder : dataDirOption);
    choice.shippedFolder = shippedDataFolder(executablePath);
    return choice;
}

void prepareProgramFolder(const ProgramFolderChoice &choice)
{
    if (choice.runsInPlace())
        return;
    createFolder(choice.appDir);
    const QString index = FacePaths::indexFile(choice.appDir);
    if (!QFileInfo::exists(index))
        ShippedFiles::copyMissing(choice.shippedFolder, choice.appDir, QDir(choice.appDir).relativeFilePath(index));
    createFolder(FacePaths::worksFolder(choice.appDir));
}
