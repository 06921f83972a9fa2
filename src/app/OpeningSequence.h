#pragma once

#include "screen/PartTray.h"

#include <functional>

struct FaceLibrary;
struct ShownFace;
class CaptionLabel;
class PictureBox;
struct GameState;
class Chance;
class ScreenState;

// The title screen that builds itself over the first eight ticks of tickTimer: the music starts,
// the four parts are thrown near their places one by one, then the outline, the buttons and
// the pictures appear.
class OpeningSequence
{
public:
    // The widgets it works on.
    struct Widgets
    {
        PictureBox *titlePicture = nullptr;
        PictureBox *bannerPicture = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        PartTray parts;
    };

    OpeningSequence(const Widgets &widgets, const FaceLibrary &library, const ShownFace &shown, GameState &game,
                    ScreenState &screen, Chance &chance);

    // The first step's music start; it may throw, which skips the rest of that step.
    void setMusicStart(std::function<void()> startMusic) { m_startMusic = std::move(startMusic); }

    // Loads the opening face's parts and outline, shows "データロード中．．．" and arms the
    // steps. Throws AppError when a picture cannot be read.
    void prepare();

    bool isRunning() const { return OpeningStep <= 7; }
    // Runs the next step; called on each tick while the sequence runs.
    void tick();

    int OpeningStep = 8;

private:
    void throwPart(int k);
    void showOpeningScreen();

    const Widgets w;
    const FaceLibrary &m_library;
    const ShownFace &m_shown;
    GameState &m_game;
    ScreenState &m_screen;
    Chance &m_chance;
    std::function<void()> m_startMusic;
};
