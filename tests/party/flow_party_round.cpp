#include "game/GameTexts.h"
#include "game/WorkNaming.h"
#include "party/PartyTexts.h"
#include "party/PlayersDialog.h"
#include "party/RankingBoard.h"
#include "party/RoundController.h"
#include "party/RoundReplayView.h"
#include "platform/widgets/GlobalCursor.h"
#include "support/GameTable.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

// Party rounds on the real main window: the players' dialog, the turns with their works kept
// under the players' names, the ranking with faces and replays, and the ways out.
class FlowPartyRound : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void threePlayersPlayARoundToTheRanking();
    void theDialogRefusesNamesThatMakeNoRound();
    void aRoundCanBeLeftBetweenTurns();
    void aWorkThatCannotBeKeptLeavesTheRoundGoing();
    void eightPlayersFitAboveTheButtons();

private:
    WindowHarness &openOnFace();
    // The players' dialog on the screen; one that closed may wait for its deletion.
    PlayersDialog *openDialog() const;
    // Fills the players' dialog and presses "始める".
    PlayersDialog *typePlayers(const QList<RoundPlayer> &players);
    // The dialog typed and accepted, and gone, with the game window active again.
    void beginRound(const QList<RoundPlayer> &players);
    void waitForTheGame();
    // Places every part `offset` from its right place, by drags on the window.
    void placeAll(QPoint offset);
    // One turn from its turn screen to the unveiled face.
    void playTurn(bool practiceFirst, QPoint offset);
    QStringList works() const;
    // PETARA_SHOTS_DIR=<folder> keeps a picture of the window, or of widget, to look at.
    static void keepShot(QWidget *widget, const QString &name);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
    TestProgramFolder::Face m_face;
};

void FlowPartyRound::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_face = GameTable::okame();
}

void FlowPartyRound::cleanup()
{
    m_harness.reset();
    GlobalCursor::reset();
}

WindowHarness &FlowPartyRound::openOnFace()
{
    m_harness = GameTable::openOnFace(*m_folder, m_face);
    return *m_harness;
}

PlayersDialog *FlowPartyRound::typePlayers(const QList<RoundPlayer> &players)
{
    PlayersDialog *dialog = openDialog();
    if (!dialog)
        return nullptr;
    for (int i = 0; i < RoundPlayers::Most; ++i) {
        dialog->findChild<QLineEdit *>(QStringLiteral("PlayerName%1").arg(i + 1))
            ->setText(i < players.size() ? players[i].name : QString());
        dialog->findChild<QCheckBox *>(QStringLiteral("PlayerPractice%1").arg(i + 1))
            ->setChecked(i < players.size() && players[i].practice);
    }
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("BeginRoundButton")), Qt::LeftButton);
    return dialog;
}

PlayersDialog *FlowPartyRound::openDialog() const
{
    const QList<PlayersDialog *> dialogs = m_harness->form().findChildren<PlayersDialog *>();
    for (PlayersDialog *dialog : dialogs) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

void FlowPartyRound::beginRound(const QList<RoundPlayer> &players)
{
    m_harness->w().playRoundAction->trigger();
    QVERIFY(typePlayers(players));
    waitForTheGame();
}

void FlowPartyRound::waitForTheGame()
{
    QTRY_VERIFY(m_harness->form().findChildren<PlayersDialog *>().isEmpty());
    // The window takes the keyboard back, as it does under any window manager; a drag would end
    // if the application turned inactive under it.
    m_harness->form().activateWindow();
    QTRY_COMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
    QTest::qWait(10);
}

void FlowPartyRound::placeAll(QPoint offset)
{
    const MainWindowWidgets &w = m_harness->w();
    for (int k = 1; k <= 4; ++k) {
        PictureBox *part = w.parts().picture(k);
        const QPoint grab = part->rect().center();
        const QPoint from = part->mapTo(w.client, grab);
        const QPoint release = w.facePicture->pos() + m_face.places[k - 1] + offset + grab;
        QTest::mousePress(part, Qt::LeftButton, {}, grab);
        // A drag that takes a moment, as a hand's does, so that its replay shows it travel.
        for (int step = 1; step <= 3; ++step) {
            QTest::qWait(5);
            QTest::mouseMove(w.client, from + (release - from) * step / 3);
        }
        QTest::mouseRelease(w.client, Qt::LeftButton, {}, release);
    }
}

void FlowPartyRound::playTurn(bool practiceFirst, QPoint offset)
{
    const MainWindowWidgets &w = m_harness->w();
    m_harness->click(w.startButton); // 始める
    if (practiceFirst) {
        QCOMPARE(m_harness->form().currentScreen(), Screen::PracticePlay);
        placeAll(QPoint());
        m_harness->click(w.startButton); // スタート
    }
    QCOMPARE(m_harness->form().currentScreen(), Screen::RealPlay);
    placeAll(offset);
    QCOMPARE(m_harness->form().currentScreen(), Screen::UnveilReady);
    m_harness->click(w.startButton); // お披露目
    QCOMPARE(m_harness->form().currentScreen(), Screen::TurnUnveiled);
}

void FlowPartyRound::keepShot(QWidget *widget, const QString &name)
{
    if (const QString shots = qEnvironmentVariable("PETARA_SHOTS_DIR"); !shots.isEmpty())
        widget->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QStringList FlowPartyRound::works() const
{
    return QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files, QDir::Name);
}

void FlowPartyRound::threePlayersPlayARoundToTheRanking()
{
    WindowHarness &h = openOnFace();
    const MainWindowWidgets &w = h.w();
    QVERIFY(w.partyMenuAction->isEnabled());
    w.playRoundAction->trigger();
    const QList<RoundPlayer> players = {
        {QStringLiteral("たろう"), true}, {QStringLiteral("はなこ"), false}, {QStringLiteral("じろう"), true}};
    keepShot(openDialog(), QStringLiteral("round_players"));
    QVERIFY(typePlayers(players));
    waitForTheGame();
    keepShot(&h.form(), QStringLiteral("round_turn"));

    // たろう practises first, then plays 10 pixels off on every part.
    QCOMPARE(h.form().currentScreen(), Screen::TurnWaiting);
    QCOMPARE(w.guidanceLabel->caption(), PartyTexts::turnCall(QStringLiteral("たろう")));
    QCOMPARE(w.startButton->text(), QStringLiteral("始める"));
    QVERIFY(w.faceList->isHidden());
    QVERIFY(!w.partyMenuAction->isEnabled());
    playTurn(true, QPoint(0, 10));
    const int taroScore = h.form().game().Score;
    QVERIFY(taroScore < 300);
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("第1位にランクイン！\r") + PartyTexts::turnDone(true, false));
    QCOMPARE(w.modeButton->text(), QStringLiteral("次の人へ"));
    QVERIFY(w.replayButton->isVisible());
    const QString taroWork = QStringLiteral("おかめ（たろう）_20080305140709_%1.jpg").arg(taroScore);
    QCOMPARE(works(), (QStringList{taroWork, WorkNaming::replayOf(taroWork)}));
    h.click(w.modeButton);

    // はなこ may not practise: the real game at once, and no way to practice mode.
    QCOMPARE(w.guidanceLabel->caption(), PartyTexts::turnCall(QStringLiteral("はなこ")));
    QVERIFY(w.parts().picture(1)->isHidden());
    h.click(w.startButton);
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QCOMPARE(w.guidanceLabel->caption(), GameTexts::Real);
    QVERIFY(!w.modeButton->isEnabled());
    h.form().modeButtonReleased();
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    placeAll(QPoint(0, 30));
    h.click(w.startButton);
    const int hanakoScore = h.form().game().Score;
    QVERIFY(hanakoScore < taroScore);
    h.click(w.modeButton);

    // じろう ties with たろう and ends the round.
    playTurn(true, QPoint(0, 10));
    QCOMPARE(h.form().game().Score, taroScore);
    QCOMPARE(w.modeButton->text(), QStringLiteral("結果発表"));
    QVERIFY(w.guidanceLabel->caption().endsWith(PartyTexts::turnDone(true, true)));
    QCOMPARE(works().size(), 6);
    QVERIFY(works().contains(QStringLiteral("おかめ（はなこ）_20080305140709_%1.jpg").arg(hanakoScore)));
    QVERIFY(h.dialogs.errors.isEmpty());
    h.click(w.modeButton);

    // The ranking: equal scores share the first place, the earlier turn above; both win.
    QCOMPARE(h.form().currentScreen(), Screen::RoundRanking);
    keepShot(&h.form(), QStringLiteral("round_ranking"));
    QVERIFY(w.rankingBoard->isVisible());
    QVERIFY(w.facePicture->isHidden());
    const QStringList expected = {QStringLiteral("第1位　★優勝\nたろうさん　%1点").arg(taroScore),
                                  QStringLiteral("第1位　★優勝\nじろうさん　%1点").arg(taroScore),
                                  QStringLiteral("第3位\nはなこさん　%1点").arg(hanakoScore)};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.rankingBoard->findChild<QLabel *>(QStringLiteral("RankingText%1").arg(i + 1))->text(), expected[i]);
    QVERIFY(!w.rankingBoard->findChild<QLabel *>(QStringLiteral("RankingText4")));
    for (int turn = 0; turn < 3; ++turn)
        QVERIFY(!w.rankingBoard->faceButton(turn)->icon().isNull());
    QCOMPARE(w.guidanceLabel->caption(), PartyTexts::winners({QStringLiteral("たろう"), QStringLiteral("じろう")}));
    QCOMPARE(w.startButton->text(), QStringLiteral("もう一回"));
    QCOMPARE(w.modeButton->text(), QStringLiteral("終わる"));
    QVERIFY(w.selectButton->isHidden());

    // A click on はなこ's face plays her blind moves over the ranking; a click or Esc ends it.
    QTest::mouseClick(w.rankingBoard->faceButton(1), Qt::LeftButton);
    QVERIFY(w.roundReplay->isVisible());
    QVERIFY(w.roundReplay->title().startsWith(QStringLiteral("はなこさんのリプレイ")));
    const QImage start = w.roundReplay->frame();
    QVERIFY(!start.isNull());
    // At its end every part lies where she dropped it, away from the tray.
    const qint64 length = w.roundReplay->length();
    QVERIFY(length > 0);
    w.roundReplay->showMoment(length);
    QVERIFY(w.roundReplay->isRunning());
    QVERIFY(w.roundReplay->frame() != start);
    QCOMPARE(w.roundReplay->frame().size(), start.size());
    keepShot(&h.form(), QStringLiteral("round_replay"));
    QTest::mouseClick(w.roundReplay, Qt::LeftButton);
    QVERIFY(w.roundReplay->isHidden());
    QTest::mouseClick(w.rankingBoard->faceButton(0), Qt::LeftButton);
    QTest::keyClick(&h.form(), Qt::Key_Escape);
    QVERIFY(!w.roundReplay->isRunning());
    QTest::mouseClick(w.rankingBoard->faceButton(2), Qt::LeftButton);
    QVERIFY(w.roundReplay->isRunning());
    w.roundReplay->showMoment(w.roundReplay->length() + 1);
    QVERIFY(w.roundReplay->isHidden()); // played to its end

    // Every turn entered the face's hall of fame under its player.
    const QByteArray hall = m_folder->readFile(QStringLiteral("data/halloffame.txt"));
    QVERIFY(hall.indexOf("\tたろう\n") < hall.indexOf("\tじろう\n"));
    QVERIFY(hall.indexOf("\tじろう\n") < hall.indexOf("\tはなこ\n"));

    // "もう一回": the same players in a new order, and nothing of the last round on the board.
    h.chance.draws << 0 << 0;
    h.click(w.startButton);
    QCOMPARE(h.form().currentScreen(), Screen::TurnWaiting);
    QVERIFY(w.rankingBoard->isHidden());
    QStringList order;
    for (const RoundPlayer &player : h.form().round().round()->players())
        order << player.name;
    QVERIFY(order != (QStringList{QStringLiteral("たろう"), QStringLiteral("はなこ"), QStringLiteral("じろう")}));
    QCOMPARE(QSet<QString>(order.begin(), order.end()).size(), 3);
    QCOMPARE(w.guidanceLabel->caption(), PartyTexts::turnCall(order.first()));
    QCOMPARE(h.form().round().round()->players().at(order.indexOf(QStringLiteral("はなこ"))).practice, false);

    // Through to the ranking again, then "終わる" gives face selection back.
    for (int turn = 0; turn < 3; ++turn) {
        playTurn(h.form().round().round()->player().practice, QPoint(0, 10 * turn));
        h.click(w.modeButton);
    }
    QCOMPARE(h.form().currentScreen(), Screen::RoundRanking);
    h.click(w.modeButton);
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QVERIFY(w.rankingBoard->isHidden());
    QVERIFY(w.facePicture->isVisible());
    QVERIFY(w.faceList->isVisible());
    QVERIFY(!h.form().round().round());

    // A game alone now enters the hall under who played last.
    const QString lastPlayer = order.last();
    h.click(w.startButton);
    h.click(w.modeButton);
    placeAll(QPoint());
    h.click(w.startButton);
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
    QCOMPARE(w.modeButton->text(), QStringLiteral("保存"));
    const QByteArray entry = QByteArray("おかめ\t300\t20080305140709\t") + lastPlayer.toUtf8() + '\n';
    QVERIFY(m_folder->readFile(QStringLiteral("data/halloffame.txt")).contains(entry));

    // The next round's dialog offers the names as they were typed, with their practice choices.
    h.click(w.selectButton);
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    w.playRoundAction->trigger();
    PlayersDialog *dialog = openDialog();
    QVERIFY(dialog);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("PlayerName%1").arg(i + 1))->text(), players[i].name);
        QCOMPARE(dialog->findChild<QCheckBox *>(QStringLiteral("PlayerPractice%1").arg(i + 1))->isChecked(),
                 players[i].practice);
    }
    QVERIFY(dialog->findChild<QLineEdit *>(QStringLiteral("PlayerName4"))->text().isEmpty());
    dialog->reject();
    QTRY_VERIFY(h.form().findChildren<PlayersDialog *>().isEmpty());
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
}

void FlowPartyRound::theDialogRefusesNamesThatMakeNoRound()
{
    WindowHarness &h = openOnFace();
    h.w().playRoundAction->trigger();
    PlayersDialog *dialog = typePlayers({{QStringLiteral("たろう"), true}});
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->problem(), QStringLiteral("遊ぶ人の名前を、2人から8人まで入力してください。"));
    typePlayers({{QStringLiteral("たろう"), true}, {QStringLiteral("じろう（弟）"), true}});
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->problem().startsWith(QStringLiteral("2人目の名前：「/」「（」「）」")));
    typePlayers({{QStringLiteral("たろう"), true}, {QStringLiteral("　たろう "), true}});
    QVERIFY(dialog->problem().startsWith(QStringLiteral("「たろう」さんが二人います。")));
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("data/players.txt"))));

    // Blanks around a name go; empty rows between names are skipped.
    PlayersDialog *dialogNow = openDialog();
    QCOMPARE(dialogNow, dialog);
    dialogNow->findChild<QLineEdit *>(QStringLiteral("PlayerName1"))->setText(QStringLiteral(" たろう　"));
    dialogNow->findChild<QLineEdit *>(QStringLiteral("PlayerName2"))->clear();
    dialogNow->findChild<QLineEdit *>(QStringLiteral("PlayerName5"))->setText(QStringLiteral("はなこ"));
    QTest::mouseClick(dialogNow->findChild<QPushButton *>(QStringLiteral("BeginRoundButton")), Qt::LeftButton);
    QCOMPARE(h.form().currentScreen(), Screen::TurnWaiting);
    QCOMPARE(h.form().round().round()->players(),
             (QList<RoundPlayer>{{QStringLiteral("たろう"), true}, {QStringLiteral("はなこ"), false}}));
    QTRY_VERIFY(h.form().findChildren<PlayersDialog *>().isEmpty());
}

void FlowPartyRound::aRoundCanBeLeftBetweenTurns()
{
    WindowHarness &h = openOnFace();
    const MainWindowWidgets &w = h.w();
    beginRound({{QStringLiteral("たろう"), false}, {QStringLiteral("はなこ"), false}});
    playTurn(false, QPoint());

    // "顔選択" asks first; "いいえ" keeps the round where it was.
    h.dialogs.answers << false;
    h.click(w.selectButton);
    QCOMPARE(h.dialogs.questions, QStringList{PartyTexts::QuitQuestion});
    QCOMPARE(h.form().currentScreen(), Screen::TurnUnveiled);
    h.click(w.modeButton);
    QCOMPARE(h.form().currentScreen(), Screen::TurnWaiting);
    h.dialogs.answers << true;
    h.click(w.selectButton);
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QVERIFY(w.faceList->isVisible());
    QVERIFY(!h.form().screenState().conditions().roundTurn);

    // The game after it is a game alone: practice first, and the unveiled face offers "保存".
    h.click(w.startButton);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    h.click(w.modeButton);
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QVERIFY(w.modeButton->isEnabled());
    placeAll(QPoint());
    h.click(w.startButton);
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
    QCOMPARE(m_folder->readFile(QStringLiteral("data/players.txt")),
             QByteArray("petara3 players 1\nplayer\tたろう\t0\nplayer\tはなこ\t0\nlast\tたろう\n"));
}

void FlowPartyRound::aWorkThatCannotBeKeptLeavesTheRoundGoing()
{
    WindowHarness &h = openOnFace();
    const MainWindowWidgets &w = h.w();
    // A file where the works folder belongs: no work can be written.
    m_folder->writeFile(QStringLiteral("Library"), "in the way");
    beginRound({{QStringLiteral("たろう"), false}, {QStringLiteral("はなこ"), false}});
    playTurn(false, QPoint());
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(
        h.dialogs.errors.first().startsWith(PartyTexts::workNotSaved(QStringLiteral("たろう")) + QStringLiteral("\r")));
    QVERIFY(w.guidanceLabel->caption().endsWith(PartyTexts::turnDone(false, false)));
    QVERIFY(h.form().round().works().first().isEmpty());
    h.click(w.modeButton);
    playTurn(false, QPoint(0, 20));
    h.click(w.modeButton);
    // The ranking still shows each face as it was left.
    QCOMPARE(h.form().currentScreen(), Screen::RoundRanking);
    QVERIFY(!w.rankingBoard->faceButton(0)->icon().isNull());
    QCOMPARE(m_folder->readFile(QStringLiteral("Library")), QByteArray("in the way"));
}

void FlowPartyRound::eightPlayersFitAboveTheButtons()
{
    WindowHarness &h = openOnFace();
    const MainWindowWidgets &w = h.w();
    QList<RankedTurn> ranking;
    for (int turn = 0; turn < RoundPlayers::Most; ++turn)
        ranking.append({turn + 1, turn, QStringLiteral("おじいちゃん%1").arg(turn + 1), 300 - turn});
    w.rankingBoard->showRanking(ranking, {});
    w.rankingBoard->show();
    keepShot(&h.form(), QStringLiteral("round_ranking_eight"));
    QList<QRect> cards;
    for (int i = 1; i <= RoundPlayers::Most; ++i) {
        auto *card = w.rankingBoard->findChild<QWidget *>(QStringLiteral("RankingCard%1").arg(i));
        QVERIFY(card);
        const QRect inClient(card->mapTo(w.client, QPoint()), card->size());
        QVERIFY(w.client->rect().contains(inClient));
        QVERIFY(inClient.bottom() < w.selectButton->y());
        for (const QRect &other : std::as_const(cards))
            QVERIFY(!other.intersects(inClient));
        cards.append(inClient);
    }
    // A card without a face keeps its button, bare.
    QVERIFY(w.rankingBoard->faceButton(7)->icon().isNull());
}

QTEST_MAIN(FlowPartyRound)
#include "flow_party_round.moc"
