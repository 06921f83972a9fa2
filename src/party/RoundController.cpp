#include "party/RoundController.h"

#include "game/GameStart.h"
#include "game/GameState.h"
#include "game/ReplayPlayback.h"
#include "game/Unveiling.h"
#include "library/FaceLibrary.h"
#include "library/FaceSelection.h"
#include "library/HallOfFame.h"
#include "party/PartyTexts.h"
#include "party/PlayersDialog.h"
#include "party/RankingBoard.h"
#include "party/RoundReplayView.h"
#include "platform/system/AppError.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/HandlerBoundary.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "screen/Guidance.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"

#include <QComboBox>

RoundController::RoundController(const Widgets &widgets, const Services &services) : w(widgets), m_services(services)
{
    QObject::connect(w.rankingBoard, &RankingBoard::faceClicked, w.rankingBoard,
                     [this](int turn) { showReplay(turn); });
}

RoundController::~RoundController() = default;

RememberedPlayers &RoundController::remembered() const
{
    if (!m_remembered)
        m_remembered = PlayersFile::load(m_services.library.AppDir);
    return *m_remembered;
}

void RoundController::remember()
{
    // The names only save typing next time: a folder that refuses them must not stop the party.
    try {
        PlayersFile::save(m_services.library.AppDir, remembered());
    } catch (const AppError &) {
    }
}

PlayersDialog *RoundController::askPlayers()
{
    if (!m_services.library.hasFace(m_services.shown.CurrentFace))
        return nullptr;
    const QString face = m_services.library.Faces.at(m_services.shown.CurrentFace).Name;
    auto *dialog = new PlayersDialog(face, remembered().players, w.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [this, dialog] {
        const QList<RoundPlayer> players = dialog->players();
        runHandler(m_services.dialogs, [this, &players] { beginRound(players); });
    });
    dialog->open();
    return dialog;
}

void RoundController::beginRound(const QList<RoundPlayer> &players)
{
    m_round.emplace(players);
    remembered().players = players;
    remember();
    forgetTurns();
    showTurnScreen();
}

void RoundController::forgetTurns()
{
    m_turns.clear();
    m_works.clear();
}

void RoundController::showTurnScreen()
{
    w.rankingBoard->hide();
    stopReplay();
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->hide();
    w.scoreLabel->hide();
    w.faceList->hide();
    w.openingFaceBox->hide();
    w.facePicture->show();
    ScreenConditions conditions = m_services.screen.conditions();
    conditions.roundTurn = true;
    conditions.practiceAllowed = m_round->player().practice;
    conditions.lastTurn = m_round->isLastTurn();
    conditions.partDropped = false;
    conditions.gameFinished = false;
    conditions.replayRecorded = false;
    m_services.screen.change(Screen::TurnWaiting, conditions);
    // The whole face, as on face selection: everyone knows whose face it is.
    m_services.selection.showCurrentFace();
    guide(w.guidanceLabel, PartyTexts::turnCall(m_round->player().name));
}

void RoundController::beginTurn()
{
    if (m_round && !m_round->isOver())
        m_services.gameStart.startTurn(m_round->player().practice);
}

void RoundController::turnUnveiled()
{
    if (!m_round || m_round->isOver() || m_round->turnScored())
        return;
    const QString player = m_round->player().name;
    m_round->scoreTurn(m_services.game.Score);
    remembered().lastPlayer = player;
    remember();

    // Kept for the ranking by turn, before anything that may fail.
    m_turns.append(TurnKeep());
    m_works.append(QString());
    TurnKeep &keep = m_turns.last();
    if (m_services.replay.hasReplay()) {
        keep.script.emplace(m_services.game.Record, ReplayMovie::pacing);
        keep.scene = m_services.replay.scene();
    }

    const QString announcement = m_services.unveiling.announcement();
    const QString lead = announcement.isEmpty() ? QString() : announcement + QStringLiteral("\r");
    bool saved = false;
    QString problem;
    try {
        // The ranking shows the face as it was left, even when the works folder refuses it.
        keep.picture = m_services.unveiling.workPicture();
        const QString path = m_services.unveiling.saveRoundWork(player, keep.picture);
        m_works.last() = path;
        saved = true;
        m_services.keepReplayBeside(path);
    } catch (const AppError &error) {
        problem = saved ? error.message() : PartyTexts::workNotSaved(player) + QStringLiteral("\r") + error.message();
    }
    guide(w.guidanceLabel, lead + PartyTexts::turnDone(saved, m_round->isLastTurn()));
    if (!problem.isEmpty())
        throw AppError(problem);
}

void RoundController::nextTurn()
{
    if (!m_round || !m_round->turnScored())
        return;
    m_round->nextTurn();
    if (m_round->isOver())
        showRanking();
    else
        showTurnScreen();
}

void RoundController::showRanking()
{
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->hide();
    w.scoreLabel->hide();
    w.facePicture->hide();
    ScreenConditions conditions = m_services.screen.conditions();
    conditions.roundTurn = false;
    conditions.replayRecorded = false;
    m_services.screen.change(Screen::RoundRanking, conditions);

    const QList<RankedTurn> ranking = m_round->ranking();
    QList<QImage> pictures;
    for (const TurnKeep &turn : std::as_const(m_turns))
        pictures.append(turn.picture);
    w.rankingBoard->showRanking(ranking, pictures);
    w.rankingBoard->show();
    w.rankingBoard->raise();
    guide(w.guidanceLabel, PartyTexts::winners(winnersOf(ranking)));
}

void RoundController::playAgain()
{
    if (!m_round)
        return;
    m_round = m_round->again(m_services.chance);
    forgetTurns();
    showTurnScreen();
}

void RoundController::endRound()
{
    stopReplay();
    w.rankingBoard->hide();
    m_round.reset();
    forgetTurns();
    ScreenConditions conditions = m_services.screen.conditions();
    conditions.roundTurn = false;
    conditions.lastTurn = false;
    conditions.replayRecorded = false;
    m_services.screen.change(m_services.screen.screen(), conditions);
    w.facePicture->show();
    m_services.selection.returnToFaceSelection();
}

void RoundController::askToLeave()
{
    if (m_services.dialogs.askYesNo(PartyTexts::QuitQuestion))
        endRound();
}

void RoundController::showReplay(int turn)
{
    if (!m_round || turn < 0 || turn >= m_turns.size())
        return;
    const TurnKeep &keep = m_turns[turn];
    if (!keep.script || keep.script->isEmpty()) {
        m_services.dialogs.showMessage(PartyTexts::NoReplay);
        return;
    }
    w.replayView->play(m_round->players().at(turn).name, *keep.script, keep.scene);
}

void RoundController::stopReplay()
{
    w.replayView->stop();
}

QString RoundController::playerOfThisGame() const
{
    if (m_round && !m_round->isOver())
        return m_round->player().name;
    const QString &last = remembered().lastPlayer;
    return last.isEmpty() ? HallOfFame::SinglePlayer : last;
}
