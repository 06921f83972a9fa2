#include "game/WorkNaming.h"

namespace WorkNaming {

namespace {
// The longest file name, in bytes, that Linux file systems take.
constexpr int longestFileName = 255;
} // namespace

QString timeStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString gameWork(const QString &faceName, const QDateTime &time, int score)
{
    return faceName + QLatin1Char('_') + timeStamp(time) + QLatin1Char('_') + QString::number(score)
           + QStringLiteral(".jpg");
}

QString montageWork(const QString &typedName, const QDateTime &time)
{
    return typedName + QLatin1Char('_') + timeStamp(time) + QStringLiteral("_M.jpg");
}

QString fileNameProblem(const QString &name, const QString &fileName)
{
    // The name itself is not shown: a message box would end it at the NUL.
    if (name.contains(QChar(0)))
        return QStringLiteral("名前に使えない文字（NUL）が含まれているため、作品を保存できません。");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("「%1」という名前では作品を保存できません。\r「/」を含まない名前にしてください。")
            .arg(name);
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral("「%1」という名前では作品を保存できません。\r「.」や「..」だけの名前は使えません。")
            .arg(name);
    if (fileName.toUtf8().size() > longestFileName)
        return QStringLiteral("名前が長すぎるため、作品を保存できません。\r短い名前にしてください。");
    return {};
}

} // namespace WorkNaming
