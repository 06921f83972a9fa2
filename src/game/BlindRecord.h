#pragma once

#include <QPoint>
#include <QString>
#include <QVector>

#include <array>

// What happened while a real game was played blind, kept in memory for the unveiling's replay:
// each drag's path with its times, where it ended, and each hint with whether it lied. Times
// are milliseconds from the start of the real game; positions are in the window's client area.
struct BlindRecord
{
    struct Sample
    {
        qint64 ms = 0;
        QPoint at;
    };
    struct Drag
    {
        int part = 0;         // 1 .. 4
        QVector<Sample> path; // from the press to the drop or the abandon
        bool dropped = false; // false: the part went back to the tray
        QPoint droppedAt;     // the part's top-left corner where it landed
    };
    struct Hint
    {
        qint64 ms = 0;
        QString text;
        bool horizontalLie = false; // the left/right word steers away from the right place
        bool verticalLie = false;   // the up/down word does
    };

    // Each part's top-left corner in the tray as the game began, where every blind drag starts.
    std::array<QPoint, 4> trayPlaces{};
    QVector<Drag> drags;
    QVector<Hint> hints;

    void beginDrag(int part, qint64 ms, QPoint at);
    // A move of the drag that runs; nothing when none runs.
    void move(qint64 ms, QPoint at);
    void drop(qint64 ms, QPoint at, QPoint partTopLeft);
    void abandon(qint64 ms, QPoint at);
    // An abandon where the pointer was last seen.
    void abandon(qint64 ms);
    void hint(qint64 ms, const QString &text, bool horizontalLie, bool verticalLie);
    void clear();
    // The memory the record holds, in bytes, about.
    qint64 bytes() const;

private:
    bool m_dragging = false;
    qsizetype m_dragHints = 0; // the hints before the drag that runs or ran last
};
