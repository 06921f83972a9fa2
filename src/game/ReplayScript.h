#pragma once

#include "game/BlindRecord.h"

#include <QPoint>
#include <QString>
#include <QVector>

#include <array>

// The replay of a real game's blind drags laid out in time: where each part is and which hint
// shows at any moment of the replay. The drags keep their real speed; the pauses between them
// are cut short, and a replay that must stay brief may also play a long drag faster.
class ReplayScript
{
public:
    struct Pacing
    {
        qint64 longestPause = 1000; // ms before a drag, and after the last one
        qint64 longestDrag = 0;     // ms a drag lasts at most; 0 keeps every drag at its speed
    };

    // What the replay shows at one moment.
    struct Frame
    {
        std::array<QPoint, 4> parts; // each part's top-left corner, by part 1 .. 4, client area
        int moving = 0;              // the part travelling now, 1 .. 4, or 0 between drags
        // The last hint of the drag under way, or of the one that just ended until the next begins
        // (the hint at the drop is the one the room wants to read), its lies unmasked; or "".
        QString hint;
    };

    ReplayScript(const BlindRecord &record, Pacing pacing);

    // The replay's length in ms, the pause after the last drop included.
    qint64 length() const { return m_length; }
    bool isEmpty() const { return m_drags.isEmpty(); }
    Frame frameAt(qint64 ms) const;

private:
    struct TimedDrag
    {
        BlindRecord::Drag drag; // shares the record's path
        qint64 start = 0; // replay ms
        qint64 end = 0;
        double scale = 1; // replay ms per recorded ms
    };
    struct TimedHint
    {
        qint64 at = 0; // replay ms
        QString text;  // unmasked
    };

    QPoint pointerAt(const TimedDrag &timed, qint64 ms) const;

    QVector<TimedDrag> m_drags;
    QVector<TimedHint> m_hints;
    std::array<QPoint, 4> m_trayPlaces;
    qint64 m_length = 0;
};
