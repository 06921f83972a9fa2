#include "screen/CommandTable.h"

#include <QTest>

// The command table against the screen rules, one screen a row, one command widget a column.
// A button reads as its caption when enabled, its caption in brackets when disabled, and
// empty when hidden; the menu column names the enabled menu commands.
class TestCommandTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void screens_data();
    void screens();
    void replayButtons_data();
    void replayButtons();
    void slideshowButton_data();
    void slideshowButton();
};

namespace {

QString seen(const CommandLook &look)
{
    if (!look.visible)
        return QString();
    return look.enabled ? look.caption : QLatin1Char('[') + look.caption + QLatin1Char(']');
}

QString menusSeen(const CommandLooks &looks)
{
    QStringList enabled;
    const std::pair<bool, const char *> menus[] = {{looks.faceMenu, "N1"},   {looks.works, "N7"},
                                                   {looks.montage, "N8"},    {looks.party, "PartyMenu"},
                                                   {looks.createFace, "N9"}, {looks.deleteFace, "N10"}};
    for (const auto &[on, name] : menus) {
        if (on)
            enabled << QString::fromLatin1(name);
    }
    return enabled.join(QLatin1Char(' '));
}

} // namespace

void TestCommandTable::screens_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<ScreenConditions>("conditions");
    QTest::addColumn<QString>("BtnSentaku");
    QTest::addColumn<QString>("BtnStart");
    QTest::addColumn<QString>("BtnRenshu");
    QTest::addColumn<QString>("BtnKiritori");
    QTest::addColumn<QString>("BtnUpDown");
    QTest::addColumn<QString>("menus");
    const QString none;
    auto row = [](const char *name, Screen screen, ScreenConditions conditions) -> QTestData & {
        return QTest::newRow(name) << screen << conditions;
    };
    // clang-format off
    // Before the opening stands the buttons are hidden, and "顔の削除" is enabled in its closed menu.
    row("start-up", Screen::Starting, {}) << none << none << none << none << none << "N9 N10";
    row("Opening", Screen::Opening, {}) << "顔選択" << "[スタート]" << "[練習]" << none << none << "N9 N10";
    row("Opening, parts dragged onto the face", Screen::Opening, {.partsOnFace = true})
        << "顔選択" << "スタート" << "[練習]" << none << none << "N9 N10";
    row("FaceSelect", Screen::FaceSelect, {.worksListed = true})
        << "顔選択" << "スタート" << "[練習]" << none << none << "N1 N7 N8 PartyMenu N9 N10";
    row("FaceSelect, no works folder, two faces", Screen::FaceSelect, {.deletionOffered = false})
        << "顔選択" << "スタート" << "[練習]" << none << none << "N1 N8 PartyMenu N9";
    row("FaceSelect after a finished game", Screen::FaceSelect, {.gameFinished = true})
        << "顔選択" << "スタート" << "[保存]" << none << none << "N1 N8 PartyMenu N9 N10";
    row("PracticePlay", Screen::PracticePlay, {}) << "[顔選択]" << "[スタート]" << "練習" << none << none << "N9 N10";
    row("PracticePlay after the first drop", Screen::PracticePlay, {.partDropped = true})
        << "[顔選択]" << "[スタート]" << "[練習]" << none << none << "N9 N10";
    row("RealPlay", Screen::RealPlay, {}) << "[顔選択]" << "[スタート]" << "本番" << none << none << "N9 N10";
    row("RealPlay after the first drop", Screen::RealPlay, {.partDropped = true})
        << "[顔選択]" << "[スタート]" << "[本番]" << none << none << "N9 N10";
    row("PracticeDone", Screen::PracticeDone, {.partDropped = true})
        << "[顔選択]" << "スタート" << "[練習]" << none << none << "N9 N10";
    row("UnveilReady", Screen::UnveilReady, {.partDropped = true})
        << "[顔選択]" << "お披露目" << "[本番]" << none << none << "N9 N10";
    row("Unveiled", Screen::Unveiled, {.gameFinished = true})
        << "顔選択" << "[お披露目]" << "保存" << none << none << "N9 N10";
    row("WorkSaved", Screen::WorkSaved, {.gameFinished = true})
        << "顔選択" << "[お披露目]" << "[保存]" << none << none << "N9 N10";
    row("FaceCreate", Screen::FaceCreate, {.zoomOffered = true})
        << "[顔選択]" << "キャンセル" << "[練習]" << "ズーム" << none << "N9 N10";
    row("FaceCreate after a finished game", Screen::FaceCreate, {.gameFinished = true, .zoomOffered = true})
        << "[顔選択]" << "キャンセル" << "[保存]" << "ズーム" << none << "N9 N10";
    row("FaceCreate, outlining begun", Screen::FaceCreate, {})
        << "[顔選択]" << "キャンセル" << "[練習]" << none << none << "N9 N10";
    row("FaceCreate, a part redone after the naming", Screen::FaceCreate, {.registerOffered = true, .nameAccepted = true})
        << "[登録]" << "キャンセル" << "[練習]" << none << none << "N9 N10";
    row("zoom armed", Screen::ZoomArmed, {.zoomOffered = true})
        << "[顔選択]" << "キャンセル" << "[練習]" << "[ズーム]" << none << "N9 N10";
    row("zoom armed with a rectangle", Screen::ZoomArmed, {.zoomOffered = true, .zoomRectangle = true})
        << "[顔選択]" << "キャンセル" << "[練習]" << "ズーム" << none << "N9 N10";
    row("FaceRegister", Screen::FaceRegister, {.registerOffered = true})
        << "[登録]" << "キャンセル" << "[練習]" << none << none << "N9 N10";
    row("FaceRegister with a valid name", Screen::FaceRegister, {.registerOffered = true, .nameAccepted = true})
        << "登録" << "キャンセル" << "[練習]" << none << none << "N9 N10";
    row("FaceRegister, the zoom never given up", Screen::FaceRegister, {.registerOffered = true, .zoomOffered = true})
        << "[登録]" << "キャンセル" << "[練習]" << "ズーム" << none << "N9 N10";
    row("FaceDelete", Screen::FaceDelete, {}) << "キャンセル" << "[スタート]" << "[練習]" << "[削除]" << none << "N9 N10";
    row("FaceDelete, a face picked", Screen::FaceDelete, {.gameFinished = true, .facePicked = true})
        << "キャンセル" << "[スタート]" << "[保存]" << "削除" << none << "N9 N10";
    row("Montage", Screen::Montage, {}) << "キャンセル" << "[スタート]" << "[練習]" << none << "+ -" << "N9 N10";
    row("MontageSave", Screen::MontageSave, {}) << "キャンセル" << "[スタート]" << "[練習]" << none << "+ -" << "N9 N10";
    row("MontageSave with a valid name", Screen::MontageSave, {.nameAccepted = true})
        << "キャンセル" << "[スタート]" << "保存" << none << "+ -" << "N9 N10";
    row("Gallery", Screen::Gallery, {.worksListed = true})
        << "キャンセル" << "[スタート]" << "[練習]" << none << none << "N9 N10";
    // A party round: "顔選択" leaves it between turns, and its menus stay shut until it ends.
    row("TurnWaiting", Screen::TurnWaiting, {.worksListed = true, .roundTurn = true})
        << "顔選択" << "始める" << none << none << none << "N9 N10";
    row("a round's RealPlay without practice", Screen::RealPlay, {.roundTurn = true, .practiceAllowed = false})
        << "[顔選択]" << "[スタート]" << "[本番]" << none << none << "N9 N10";
    row("a round's RealPlay with practice", Screen::RealPlay, {.roundTurn = true, .practiceAllowed = true})
        << "[顔選択]" << "[スタート]" << "本番" << none << none << "N9 N10";
    row("practice not allowed only counts in a round", Screen::RealPlay, {.practiceAllowed = false})
        << "[顔選択]" << "[スタート]" << "本番" << none << none << "N9 N10";
    row("TurnUnveiled", Screen::TurnUnveiled, {.gameFinished = true, .roundTurn = true})
        << "顔選択" << "[お披露目]" << "次の人へ" << none << none << "N9 N10";
    row("TurnUnveiled, the last turn", Screen::TurnUnveiled, {.roundTurn = true, .lastTurn = true})
        << "顔選択" << "[お披露目]" << "結果発表" << none << none << "N9 N10";
    row("RoundRanking", Screen::RoundRanking, {.lastTurn = true})
        << none << "もう一回" << "終わる" << none << none << "N9 N10";
    // clang-format on
}

void TestCommandTable::screens()
{
    QFETCH(Screen, screen);
    QFETCH(ScreenConditions, conditions);
    const CommandLooks looks = commandLooks(screen, conditions);
    QTEST(seen(looks.select), "BtnSentaku");
    QTEST(seen(looks.start), "BtnStart");
    QTEST(seen(looks.mode), "BtnRenshu");
    QTEST(seen(looks.zoomOrDelete), "BtnKiritori");
    QTEST(QStringList({seen(looks.grow), seen(looks.shrink)}).join(QLatin1Char(' ')).trimmed(), "BtnUpDown");
    QTEST(menusSeen(looks), "menus");
}

// "リプレイ" and "×2" stand where there is a replay to play, and nowhere else.
void TestCommandTable::replayButtons_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<ScreenConditions>("conditions");
    QTest::addColumn<QString>("seen");
    const QString both = QStringLiteral("リプレイ ×2");
    QTest::newRow("unveiled after blind drags") << Screen::Unveiled << ScreenConditions{.replayRecorded = true} << both;
    QTest::newRow("unveiled with nothing recorded") << Screen::Unveiled << ScreenConditions{} << QString();
    QTest::newRow("work saved") << Screen::WorkSaved << ScreenConditions{.replayRecorded = true} << both;
    QTest::newRow("a round's turn unveiled")
        << Screen::TurnUnveiled << ScreenConditions{.replayRecorded = true} << both;
    QTest::newRow("the ranking plays replays by its faces")
        << Screen::RoundRanking << ScreenConditions{.replayRecorded = true} << QString();
    QTest::newRow("the next game") << Screen::PracticePlay << ScreenConditions{.replayRecorded = true} << QString();
    QTest::newRow("face selection") << Screen::FaceSelect << ScreenConditions{.replayRecorded = true} << QString();
    QTest::newRow("gallery, a work with its replay")
        << Screen::Gallery << ScreenConditions{.workHasReplay = true} << both;
    QTest::newRow("gallery, the game's replay is not the work's")
        << Screen::Gallery << ScreenConditions{.replayRecorded = true} << QString();
}

void TestCommandTable::replayButtons()
{
    QFETCH(Screen, screen);
    QFETCH(ScreenConditions, conditions);
    const CommandLooks looks = commandLooks(screen, conditions);
    QTEST(QStringList({seen(looks.replay), seen(looks.doubleSpeed)}).join(QLatin1Char(' ')).trimmed(), "seen");
}

// "スライドショー" stands in a gallery that lists works, and nowhere else, even where the flag lingers.
void TestCommandTable::slideshowButton_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<ScreenConditions>("conditions");
    QTest::addColumn<QString>("seen");
    const QString offered = QStringLiteral("スライドショー");
    QTest::newRow("gallery with works") << Screen::Gallery << ScreenConditions{.galleryHasWorks = true} << offered;
    QTest::newRow("gallery with works, one with its replay shown")
        << Screen::Gallery << ScreenConditions{.workHasReplay = true, .galleryHasWorks = true} << offered;
    QTest::newRow("empty gallery") << Screen::Gallery << ScreenConditions{.worksListed = true} << QString();
    QTest::newRow("face selection after the gallery")
        << Screen::FaceSelect << ScreenConditions{.worksListed = true, .galleryHasWorks = true} << QString();
    QTest::newRow("montage after the gallery")
        << Screen::Montage << ScreenConditions{.galleryHasWorks = true} << QString();
    QTest::newRow("unveiled") << Screen::Unveiled << ScreenConditions{.galleryHasWorks = true} << QString();
}

void TestCommandTable::slideshowButton()
{
    QFETCH(Screen, screen);
    QFETCH(ScreenConditions, conditions);
    QTEST(seen(commandLooks(screen, conditions).slideshow), "seen");
}

QTEST_APPLESS_MAIN(TestCommandTable)
#include "tst_command_table.moc"
