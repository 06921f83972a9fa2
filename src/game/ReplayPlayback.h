#pragma once

#include "game/ReplayMovie.h"
#include "game/ReplayScript.h"
#include "screen/PartTray.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <array>
#include <optional>

class CaptionLabel;
class CommandButton;
class LineOverlay;
class PictureBox;
class QWidget;
struct GameState;

// The replay of the blind moves on the unveiled face: "リプレイ" plays them back at their real
// speed, "×2" at twice that, and a second press or any other command puts the unveiled screen
// back exactly as it was. The same replay is kept as an animated picture beside the work.
class ReplayPlayback
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QWidget *client = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        CaptionLabel *scoreLabel = nullptr;
        CaptionLabel *reviewLabel = nullptr;
        LineOverlay *reviewLines = nullptr;
        CommandButton *replayButton = nullptr;
        CommandButton *doubleSpeedButton = nullptr;
        PartTray parts;
    };

    ReplayPlayback(const Widgets &widgets, const GameState &state);

    // Whether the last real game left blind moves to replay.
    bool hasReplay() const;
    // "リプレイ": starts the replay, or stops it when it runs.
    void toggle();
    // Ends a running replay and restores the unveiled screen; nothing when none runs.
    void stop();
    bool isRunning() const { return m_script.has_value(); }
    // Shows the replay's moment ms, as a tick does.
    void showMoment(qint64 ms);
    qint64 length() const { return m_script ? m_script->length() : 0; }

    // Writes the replay as an animated WebP to path, atomically. Throws AppError.
    void saveAs(const QString &path) const;
    // The frames' scene, taken from the unveiled screen.
    ReplayMovie::Scene scene() const;

private:
    // What the replay changes, as the unveiled screen had it.
    struct Snapshot
    {
        std::array<QPoint, 4> partPlaces{};
        std::array<bool, 4> partsShown{};
        QString guidance;
        QColor guidanceColour;
        bool reviewShown = false;
        bool scoreShown = false;
        bool linesShown = false;
        bool linesOn = false;
    };

    void tick();

    const Widgets w;
    const GameState &m_state;
    std::optional<ReplayScript> m_script;
    Snapshot m_before;
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_position = 0; // ms into the replay
};
