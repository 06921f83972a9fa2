#pragma once

struct FaceLibrary;
struct ShownFace;
struct Form1Widgets;
struct GameState;
class Chance;

// Starting a game and switching between its practice and real modes.
class GameStart
{
public:
    GameStart(Form1Widgets &widgets, const FaceLibrary &library, const ShownFace &shown, GameState &state,
              Chance &chance);

    // "スタート": a new practice game on the selection screen, or the real game after a
    // finished practice game. Throws AppError when a picture of the face cannot be read.
    void start();
    // A release over BtnRenshu showing "練習".
    void switchToReal();
    // A release over BtnRenshu showing "本番".
    void switchToPractice();

private:
    void startPractice();
    void startReal();
    // Nine real games in ten, the computer lies.
    void lieDraw();

    Form1Widgets &w;
    const FaceLibrary &m_library;
    const ShownFace &m_shown;
    GameState &m_state;
    Chance &m_chance;
};
