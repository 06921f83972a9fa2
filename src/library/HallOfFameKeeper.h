#pragma once

#include "library/HallOfFame.h"

#include <QString>
#include <QStringList>

#include <optional>

// The program folder's hall of fame as the game uses it: read when first needed, and written
// whole after every entry, so that a kill loses at most the game being entered.
class HallOfFameKeeper
{
public:
    explicit HallOfFameKeeper(QString appDir) : m_appDir(std::move(appDir)) {}

    struct Entered
    {
        int place = 0;        // 1 .. 10, or 0 when the game is not among the face's ten best
        QStringList problems; // for the player: a damaged file set aside, a failed write
    };

    // Enters a real game of the face. When the file cannot be written the entry is given up,
    // so that what the game shows stays what the file holds.
    Entered enter(const QString &face, const HallOfFameEntry &entry);
    // The face's ten best; a damaged file's message goes into problems.
    QList<HallOfFameEntry> entries(const QString &face, QStringList &problems);

private:
    HallOfFame &hall(QStringList &problems);

    QString m_appDir;
    std::optional<HallOfFame> m_hall;
};

// The announcement at the unveiling: "第3位にランクイン！".
QString rankInAnnouncement(int place);
// The face's hall as a list for the player, "第1位　300点　たろう　2026年12月9日" a line, or
// the message that it has none yet.
QString hallOfFameText(const QString &face, const QList<HallOfFameEntry> &entries);
