#pragma once

struct FaceLibrary;
struct ShownFace;
struct MainWindowWidgets;
struct GameState;
class Chance;
class ScreenState;

// Starting a game and switching between its practice and real modes.
class GameStart
{
public:
    GameStart(MainWindowWidgets &widgets, const FaceLibrary &library, const ShownFace &shown, GameState &state,
              ScreenState &screen, Chance &chance);

    // "スタート": the real game after a finished practice game, else a new practice game.
    // Throws AppError when a picture of the face cannot be read.
    void start();
    // "練習" during practice.
    void switchToReal();
    // "本番" during the real game.
    void switchToPractice();

private:
    void startPractice();
    void startReal();
    // Nine real games in ten, the computer lies.
    void lieDraw();

    MainWindowWidgets &w;
    const FaceLibrary &m_library;
    const ShownFace &m_shown;
    GameState &m_state;
    ScreenState &m_screen;
    Chance &m_chance;
};
