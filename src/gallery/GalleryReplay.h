#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>

#include <memory>

class CommandButton;
class PictureBox;
class KeptReplay;

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
    bool isRunning() const { return m_replay != nullptr; }

private:
    void tick();

    const Widgets w;
    std::unique_ptr<KeptReplay> m_replay;
    QImage m_work; // the picture the replay took the place of
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
};
