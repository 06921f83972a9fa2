#pragma once

#include "screen/PartTray.h"

struct FaceLibrary;
struct ShownFace;
class CaptionLabel;
class PictureBox;
class QComboBox;
struct GameState;
class Chance;
class ScreenState;

// Starting a game and switching between its practice and real modes.
class GameStart
{
public:
    // The widgets it works on.
    struct Widgets
    {
        PictureBox *facePicture = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        QComboBox *faceList = nullptr;
        PartTray parts;
    };

    GameStart(const Widgets &widgets, const FaceLibrary &library, const ShownFace &shown, GameState &state,
              ScreenState &screen, Chance &chance);

    // "スタート": the real game after a finished practice game, else a new practice game.
    // Throws AppError when a picture of the face cannot be read.
    void start();
    // "始める" on a round's turn screen: a practice game when the player may practise, else the
    // real game at once. Throws AppError when a picture of the face cannot be read.
    void startTurn(bool practice);
    // "練習" during practice.
    void switchToReal();
    // "本番" during the real game.
    void switchToPractice();

private:
    enum class Begin { Practice, RealAfterPractice, RealAtOnce };
    void begin(Begin how);
    // The face's outline and parts, read afresh, the parts shown.
    void loadFace();
    // Nine real games in ten, the computer lies. The real game's record starts afresh.
    void lieDraw();
    // Where the parts wait in the tray, where the replay starts each drag.
    void noteTrayPlaces();

    const Widgets w;
    const FaceLibrary &m_library;
    const ShownFace &m_shown;
    GameState &m_state;
    ScreenState &m_screen;
    Chance &m_chance;
};
