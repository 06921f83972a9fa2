#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One real game in a face's hall of fame.
struct HallOfFameEntry
{
    QString player;
    int score = 0;
    // When it was played, as the clock showed it (date() and time(); the game gives the local
    // time); the file keeps it to the second.
    QDateTime when;

    bool operator==(const HallOfFameEntry &) const = default;
};

// The ten best real games of every face, kept under the face's name (names are unique in the
// library), best first.
class HallOfFame
{
public:
    static constexpr int Places = 10;
    static constexpr int BestScore = 300;
    // The player of a game that was not played in a party round.
    static inline const QString SinglePlayer = QStringLiteral("ひとり");

    // Enters a game into the face's hall and gives the place it took, 1 .. Places, or 0 when it
    // is not among the ten best. An equal score goes below those already there; the entry pushed
    // past the last place leaves. A game without a player's name is SinglePlayer's. An entry that
    // no real game makes is not entered (0): a score outside 0 .. BestScore, no time or one
    // outside the years 1 .. 9999, no face name, a control character in a name.
    int enter(const QString &face, HallOfFameEntry entry);

    void forgetFace(const QString &face);

    // The face's entries, best first; none for a face without any.
    QList<HallOfFameEntry> entries(const QString &face) const;
    // The faces with entries, in the order of their names.
    QStringList faces() const { return m_faces.keys(); }
    bool isEmpty() const { return m_faces.isEmpty(); }

    bool operator==(const HallOfFame &) const = default;

private:
    QMap<QString, QList<HallOfFameEntry>> m_faces;
};
