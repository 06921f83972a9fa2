#include "library/FacePaths.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace FacePaths {

QString indexFile(const QString &appDir)
{
    return appDir + QStringLiteral("data/facedata.ini");
}

QString facePicture(const QString &appDir, int face, int picture)
{
    return appDir + QStringLiteral("data/face%1_%2.jpg").arg(face).arg(picture);
}

qint64 faceOfPictureName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("face(0|[1-9][0-9]{0,9})_[0-5]\\.jpg")));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

QString cursorFile(const QString &appDir)
{
    return appDir + QStringLiteral("data/tomei.cur");
}

QString defaultTune(const QString &appDir)
{
    return appDir + QStringLiteral("data/tema84.mid");
}

QString hallOfFame(const QString &appDir)
{
    return appDir + QStringLiteral("data/halloffame.txt");
}

QString worksFolder(const QString &appDir)
{
    return appDir + QStringLiteral("Library");
}

QString programFolder(const QString &executablePath)
{
    QString folder = QFileInfo(executablePath).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace FacePaths
