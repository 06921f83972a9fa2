#include "library/HallOfFameKeeper.h"

#include "library/HallOfFameFile.h"
#include "platform/system/AppError.h"

HallOfFame &HallOfFameKeeper::hall(QStringList &problems)
{
    if (!m_hall) {
        HallOfFameFile::Loaded loaded = HallOfFameFile::load(m_appDir);
        if (!loaded.problem.isEmpty())
            problems.append(loaded.problem);
        m_hall = std::move(loaded.hall);
    }
    return *m_hall;
}

HallOfFameKeeper::Entered HallOfFameKeeper::enter(const QString &face, const HallOfFameEntry &entry)
{
    Entered entered;
    HallOfFame &kept = hall(entered.problems);
    HallOfFame next = kept;
    const int place = next.enter(face, entry);
    if (place == 0)
        return entered;
    try {
        HallOfFameFile::save(m_appDir, next);
    } catch (const AppError &error) {
        entered.problems.append(QStringLiteral("殿堂に記録できませんでした。\r") + error.message());
        return entered;
    }
    kept = std::move(next);
    entered.place = place;
    return entered;
}

QList<HallOfFameEntry> HallOfFameKeeper::entries(const QString &face, QStringList &problems)
{
    return hall(problems).entries(face);
}

QString rankInAnnouncement(int place)
{
    return QStringLiteral("第%1位にランクイン！").arg(place);
}

QString hallOfFameText(const QString &face, const QList<HallOfFameEntry> &entries)
{
    if (entries.isEmpty())
        return QStringLiteral("「%1」の殿堂には、まだだれも入っていません。").arg(face);
    QString text = QStringLiteral("「%1」の殿堂").arg(face);
    for (int i = 0; i < entries.size(); ++i) {
        const HallOfFameEntry &entry = entries[i];
        text += QStringLiteral("\r第%1位　%2点　%3　%4")
                    .arg(i + 1)
                    .arg(entry.score)
                    .arg(entry.player, entry.when.toString(QStringLiteral("yyyy年M月d日")));
    }
    return text;
}
