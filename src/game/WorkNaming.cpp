#include "game/WorkNaming.h"

namespace WorkNaming {

QString timeStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString gameWork(const QString &faceName, const QDateTime &time, int score)
{
    return faceName + QLatin1Char('_') + timeStamp(time) + QLatin1Char('_') + QString::number(score)
           + QStringLiteral(".jpg");
}

QString roundWork(const QString &faceName, const QString &player, const QDateTime &time, int score)
{
    return gameWork(faceName + u'（' + player + u'）', time, score);
}

QString montageWork(const QString &typedName, const QDateTime &time)
{
    return typedName + QLatin1Char('_') + timeStamp(time) + QStringLiteral("_M.jpg");
}

QString replayOf(const QString &workFileName)
{
    QString name = workFileName;
    if (name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
        name.chop(4);
    return name + QStringLiteral(".webp");
}

} // namespace WorkNaming
