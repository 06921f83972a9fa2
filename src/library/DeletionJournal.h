#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The record of one face deletion, kept in data/ while its files change, so that a deletion cut
// short by a failure or a kill is finished by the next attempt (at the latest, the next start).
// Writing it is the deletion's commit: from then on the deletion stands.
struct DeletionJournal
{
    enum class State {
        Started, // the index still has to be replaced
        Indexed  // the index is replaced; the pictures may still have to move down
    };

    State state = State::Started;
    int faceCount = 0; // before the deletion
    int deleted = 0;
    // Which pictures faces deleted .. faceCount - 1 had before the deletion: picture p of face
    // deleted + i at [i * 6 + p]. It tells, after a kill, how far the pictures have moved.
    std::vector<bool> picturesBefore;
    QByteArray newIndex; // the whole index file after the deletion

    // Whether face deleted + slot had picture p.
    bool hadPicture(int slot, int p) const { return picturesBefore[size_t(slot * 6 + p)]; }
    int slots() const { return faceCount - deleted; }

    QByteArray toBytes() const;
    // The journal in bytes, or nullopt when they are not a whole journal of a possible deletion.
    static std::optional<DeletionJournal> parse(const QByteArray &bytes);

    static QString path(const QString &appDir); // data/deletion.journal
};
