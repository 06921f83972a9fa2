#include "game/BlindRecord.h"

void BlindRecord::beginDrag(int part, qint64 ms, QPoint at)
{
    Drag drag;
    drag.part = part;
    drag.path.append({ms, at});
    drags.append(drag);
    m_dragging = true;
    m_dragHints = hints.size();
}

void BlindRecord::move(qint64 ms, QPoint at)
{
    if (!m_dragging)
        return;
    QVector<Sample> &path = drags.last().path;
    // A pointer that rests reports the same place again; one sample says as much.
    if (path.last().at == at)
        return;
    path.append({ms, at});
}

void BlindRecord::drop(qint64 ms, QPoint at, QPoint partTopLeft)
{
    if (!m_dragging)
        return;
    move(ms, at);
    drags.last().dropped = true;
    drags.last().droppedAt = partTopLeft;
    m_dragging = false;
}

void BlindRecord::abandon(qint64 ms, QPoint at)
{
    if (!m_dragging)
        return;
    move(ms, at);
    m_dragging = false;
}

void BlindRecord::abandon(qint64 ms)
{
    if (!m_dragging)
        return;
    QVector<Sample> &path = drags.last().path;
    path.append({ms, path.last().at});
    m_dragging = false;
}

void BlindRecord::hint(qint64 ms, const QString &text, bool horizontalLie, bool verticalLie)
{
    // The same words again, as the pointer moves on, are no news; in the next drag they are.
    if (hints.size() > m_dragHints && hints.last().text == text)
        return;
    hints.append({ms, text, horizontalLie, verticalLie});
}

void BlindRecord::clear()
{
    trayPlaces = {};
    drags.clear();
    hints.clear();
    m_dragging = false;
    m_dragHints = 0;
}

qint64 BlindRecord::bytes() const
{
    qint64 total = sizeof(*this);
    for (const Drag &drag : drags)
        total += sizeof(Drag) + drag.path.capacity() * qint64(sizeof(Sample));
    for (const Hint &hint : hints)
        total += sizeof(Hint) + hint.text.capacity() * qint64(sizeof(QChar));
    return total;
}
