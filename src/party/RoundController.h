#pragma once

#include "game/ReplayMovie.h"
#include "game/ReplayScript.h"
#include "party/PartyRound.h"
#include "party/PlayersFile.h"
#include "screen/PartTray.h"

#include <QImage>
#include <QPointer>

#include <functional>
#include <optional>

struct FaceLibrary;
struct GameState;
struct ShownFace;
class CaptionLabel;
class Chance;
class Dialogs;
class FaceSelection;
class GameStart;
class MouseUpCheckBox;
class PictureBox;
class PlayersDialog;
class QComboBox;
class RankingBoard;
class ReplayPlayback;
class RoundReplayView;
class ScreenState;
class Unveiling;

// Party rounds: everyone plays the same face in turn, each turn's work kept under the player's
// name, then the ranking with each player's face and replay. "もう一回" plays the round again in
// a new order; "終わる" goes back to face selection.
class RoundController
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QWidget *window = nullptr; // the players' dialog opens over it
        PictureBox *facePicture = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        CaptionLabel *scoreLabel = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        RankingBoard *rankingBoard = nullptr;
        RoundReplayView *replayView = nullptr;
        PartTray parts;
    };
    // What the round asks of the rest of the game.
    struct Services
    {
        const FaceLibrary &library;
        const ShownFace &shown;
        const GameState &game;
        ScreenState &screen;
        FaceSelection &selection;
        GameStart &gameStart;
        Unveiling &unveiling;
        const ReplayPlayback &replay;
        Dialogs &dialogs;
        Chance &chance;
        // Keeps the unveiled game's replay beside the work at the path; throws AppError.
        std::function<void(const QString &)> keepReplayBeside;
    };

    RoundController(const Widgets &widgets, const Services &services);
    ~RoundController();

    // "みんなで遊ぶ…" on face selection: the players' dialog over the window. The round begins when
    // it is accepted. Gives the dialog, or null when there is no face to play.
    PlayersDialog *askPlayers();
    // Begins a round with these players on the face shown.
    void beginRound(const QList<RoundPlayer> &players);
    // "始める" on the turn screen.
    void beginTurn();
    // After the unveiling of a turn: the score counts, the work is kept under the player's name.
    // Throws AppError when the work cannot be kept; the round goes on all the same.
    void turnUnveiled();
    // "次の人へ" or "結果発表".
    void nextTurn();
    // "もう一回" on the ranking.
    void playAgain();
    // "終わる" on the ranking.
    void endRound();
    // "顔選択" between turns: leaves the round when the players say so.
    void askToLeave();
    // A click on a player's face on the ranking.
    void showReplay(int turn);
    void stopReplay();

    // Whose name goes into the hall of fame for the game being played: the round's player, else
    // who played a round's last game, else "ひとり".
    QString playerOfThisGame() const;
    const std::optional<PartyRound> &round() const { return m_round; }
    // The works kept in the round so far, by turn; empty where one could not be kept.
    const QList<QString> &works() const { return m_works; }

private:
    // What the ranking keeps of a turn.
    struct TurnKeep
    {
        QImage picture;
        std::optional<ReplayScript> script;
        ReplayMovie::Scene scene;
    };
    void showTurnScreen();
    void showRanking();
    void forgetTurns();
    // The players of the last round, read when first needed.
    RememberedPlayers &remembered() const;
    void remember();

    const Widgets w;
    Services m_services;
    std::optional<PartyRound> m_round;
    mutable std::optional<RememberedPlayers> m_remembered;
    QList<TurnKeep> m_turns;
    QList<QString> m_works;
};
