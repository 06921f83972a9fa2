#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>

#include <memory>

class CommandButton;
class PictureBox;
class WebpAnimationReader;

// A work's kept replay, played in the gallery's picture box in place of the work, and the work
// shown again when it ends or is stopped.
class GalleryReplay
{
public:
    struct Widgets
    {
        PictureBox *facePicture = nullptr;
        CommandButton *replayButton = nullptr;
        CommandButton *doubleSpeedButton = nullptr;
    };

    explicit GalleryReplay(const Widgets &widgets);
    ~GalleryReplay();

    // "リプレイ": plays the replay file at path, or stops the one that plays. Throws AppError when
    // the file cannot be read; the work stays shown.
    void toggle(const QString &path);
    void stop();
    bool isRunning() const { return m_reader != nullptr; }

private:
    void tick();

    const Widgets w;
    std::unique_ptr<WebpAnimationReader> m_reader;
    QImage m_work; // the picture the replay took the place of
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_position = 0;  // ms into the replay
    qint64 m_frameEnd = 0;  // when the frame on show ends
};
