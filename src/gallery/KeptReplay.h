#pragma once

#include <QImage>
#include <QString>

#include <memory>

class WebpAnimationReader;

// A work's kept replay played by the clock: opened with the checks every picture file gets, its
// frames taken as their time comes, and those whose time passed while the window was busy skipped
// rather than shown late.
class KeptReplay
{
public:
    // Throws AppError when the file cannot be read or is no replay.
    explicit KeptReplay(const QString &path);
    ~KeptReplay();

    // The first frame; null when the file holds none.
    const QImage &first() const { return m_first; }

    enum class Step { Same, NewFrame, Ended };
    // Moves the replay on by ms; frame holds the picture to show on NewFrame.
    Step advance(qint64 ms, QImage &frame);

private:
    std::unique_ptr<WebpAnimationReader> m_reader;
    QImage m_first;
    qint64 m_position = 0; // ms into the replay
    qint64 m_frameEnd = 0; // when the frame on show ends
};
