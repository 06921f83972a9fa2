#include "game/ReplayScript.h"

#include "game/HintRules.h"

#include <algorithm>

ReplayScript::ReplayScript(const BlindRecord &record, Pacing pacing)
    : m_trayPlaces(record.trayPlaces)
{
    qint64 cursor = 0;      // replay ms where the last drag ended
    qint64 recordedEnd = 0; // recorded ms where it ended
    for (const BlindRecord::Drag &drag : record.drags) {
        if (drag.path.isEmpty() || drag.part < 1 || drag.part > 4)
            continue;
        const qint64 first = drag.path.first().ms;
        const qint64 last = std::max(first, drag.path.last().ms);
        TimedDrag timed;
        timed.drag = drag;
        timed.start = cursor + std::clamp<qint64>(first - recordedEnd, 0, pacing.longestPause);
        const qint64 duration = last - first;
        if (pacing.longestDrag > 0 && duration > pacing.longestDrag)
            timed.scale = double(pacing.longestDrag) / double(duration);
        timed.end = timed.start + qint64(double(duration) * timed.scale);
        m_drags.append(timed);
        cursor = timed.end;
        recordedEnd = last;
    }
    m_length = m_drags.isEmpty() ? 0 : cursor + pacing.longestPause;

    // A hint belongs to the drag it was shown in; one outside every drag is not replayed.
    for (const BlindRecord::Hint &hint : record.hints) {
        for (const TimedDrag &timed : std::as_const(m_drags)) {
            const qint64 first = timed.drag.path.first().ms;
            if (hint.ms < first || hint.ms > timed.drag.path.last().ms)
                continue;
            const QString text = HintRules::unmasked(hint.text, {hint.horizontalLie, hint.verticalLie});
            m_hints.append({timed.start + qint64(double(hint.ms - first) * timed.scale), text});
            break;
        }
    }
}

QPoint ReplayScript::pointerAt(const TimedDrag &timed, qint64 ms) const
{
    const QVector<BlindRecord::Sample> &path = timed.drag.path;
    const double recorded = double(path.first().ms) + double(ms - timed.start) / timed.scale;
    // The first sample after the moment, and the one before it: the pointer went straight between.
    const auto after = std::upper_bound(path.cbegin(), path.cend(), recorded,
                                        [](double at, const BlindRecord::Sample &s) { return at < double(s.ms); });
    if (after == path.cbegin())
        return path.first().at;
    if (after == path.cend())
        return path.last().at;
    const BlindRecord::Sample &before = *(after - 1);
    const double span = double(after->ms - before.ms);
    const double t = span > 0 ? (recorded - double(before.ms)) / span : 1.0;
    const QPointF between = QPointF(before.at) + (QPointF(after->at) - QPointF(before.at)) * t;
    return between.toPoint();
}

ReplayScript::Frame ReplayScript::frameAt(qint64 ms) const
{
    Frame frame;
    frame.parts = m_trayPlaces;
    qint64 latestStart = -1;
    for (const TimedDrag &timed : m_drags) {
        if (ms < timed.start)
            break;
        latestStart = timed.start;
        const int k = timed.drag.part;
        const QPoint tray = m_trayPlaces[k - 1];
        if (ms < timed.end) {
            // The part travels as the pointer does from the press.
            frame.parts[k - 1] = tray + pointerAt(timed, ms) - timed.drag.path.first().at;
            frame.moving = k;
        } else {
            frame.parts[k - 1] = timed.drag.dropped ? timed.drag.droppedAt : tray;
        }
    }
    if (latestStart >= 0) {
        for (const TimedHint &hint : m_hints) {
            if (hint.at > ms)
                break;
            if (hint.at >= latestStart)
                frame.hint = hint.text;
        }
    }
    return frame;
}
