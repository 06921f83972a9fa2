#include "screen/CommandTable.h"

#include "screen/Captions.h"

namespace {

CommandLook shown(const QString &caption, bool enabled = true)
{
    return {caption, true, enabled};
}

CommandLook hidden(const QString &caption, bool enabled = false)
{
    return {caption, false, enabled};
}

CommandLook selectButton(Screen screen, const ScreenConditions &c)
{
    switch (screen) {
    case Screen::Starting:
        return hidden(Caption::Select, true);
    case Screen::Opening:
    case Screen::FaceSelect:
    case Screen::Unveiled:
    case Screen::WorkSaved:
        return shown(Caption::Select);
    case Screen::PracticePlay:
    case Screen::PracticeDone:
    case Screen::RealPlay:
    case Screen::UnveilReady:
        return shown(Caption::Select, false);
    case Screen::FaceCreate:
        return shown(c.registerOffered ? Caption::Register : Caption::Select, false);
    case Screen::ZoomArmed:
        // Armed from the naming, the name field stays in use.
        return shown(c.registerOffered ? Caption::Register : Caption::Select, c.nameAccepted);
    case Screen::FaceRegister:
        return shown(Caption::Register, c.nameAccepted);
    case Screen::FaceDelete:
    case Screen::Montage:
    case Screen::MontageSave:
    case Screen::Gallery:
        return shown(Caption::Cancel);
    case Screen::TurnWaiting:
    case Screen::TurnUnveiled:
        // Leaves the round, after a question.
        return shown(Caption::Select);
    case Screen::RoundRanking:
        return hidden(Caption::Select);
    }
    return {};
}

CommandLook startButton(Screen screen, const ScreenConditions &c)
{
    switch (screen) {
    case Screen::Starting:
        return hidden(Caption::Start);
    case Screen::Opening:
        return shown(Caption::Start, c.partsOnFace);
    case Screen::FaceSelect:
    case Screen::PracticeDone:
        return shown(Caption::Start);
    case Screen::UnveilReady:
        return shown(Caption::Unveil);
    case Screen::Unveiled:
    case Screen::WorkSaved:
        return shown(Caption::Unveil, false);
    case Screen::FaceCreate:
    case Screen::ZoomArmed:
    case Screen::FaceRegister:
        return shown(Caption::Cancel);
    case Screen::PracticePlay:
    case Screen::RealPlay:
    case Screen::FaceDelete:
    case Screen::Montage:
    case Screen::MontageSave:
    case Screen::Gallery:
        return shown(Caption::Start, false);
    case Screen::TurnWaiting:
        return shown(Caption::BeginTurn);
    case Screen::TurnUnveiled:
        return shown(Caption::Unveil, false);
    case Screen::RoundRanking:
        return shown(Caption::Again);
    }
    return {};
}

CommandLook modeButton(Screen screen, const ScreenConditions &c)
{
    // Screens that set no caption of their own show the one face selection left.
    const QString kept = c.gameFinished ? Caption::Save : Caption::Practice;
    switch (screen) {
    case Screen::Starting:
        return hidden(Caption::Practice);
    case Screen::Opening:
    case Screen::PracticeDone:
    case Screen::Montage:
        return shown(Caption::Practice, false);
    case Screen::PracticePlay:
        return shown(Caption::Practice, !c.partDropped);
    case Screen::RealPlay:
        // A round's player who may not practise stays in the real game.
        return shown(Caption::Real, !c.partDropped && (!c.roundTurn || c.practiceAllowed));
    case Screen::UnveilReady:
        return shown(Caption::Real, false);
    case Screen::Unveiled:
        return shown(Caption::Save);
    case Screen::WorkSaved:
        return shown(Caption::Save, false);
    case Screen::MontageSave:
        return shown(c.nameAccepted ? Caption::Save : Caption::Practice, c.nameAccepted);
    case Screen::FaceSelect:
    case Screen::FaceCreate:
    case Screen::ZoomArmed:
    case Screen::FaceRegister:
    case Screen::FaceDelete:
    case Screen::Gallery:
        return shown(kept, false);
    case Screen::TurnWaiting:
        return hidden(Caption::Practice);
    case Screen::TurnUnveiled:
        return shown(c.lastTurn ? Caption::Results : Caption::NextPlayer);
    case Screen::RoundRanking:
        return shown(Caption::EndRound);
    }
    return {};
}

CommandLook zoomOrDeleteButton(Screen screen, const ScreenConditions &c)
{
    switch (screen) {
    case Screen::FaceCreate:
    case Screen::FaceRegister:
        return c.zoomOffered ? shown(Caption::Zoom) : hidden(Caption::Zoom);
    case Screen::ZoomArmed:
        return shown(Caption::Zoom, c.zoomRectangle);
    case Screen::FaceDelete:
        return shown(Caption::Delete, c.facePicked);
    default:
        return hidden(Caption::Zoom);
    }
}

// Offered where there is a replay: the unveiled game's, or the shown work's in the gallery.
bool replayOffered(Screen screen, const ScreenConditions &c)
{
    switch (screen) {
    case Screen::Unveiled:
    case Screen::WorkSaved:
    case Screen::TurnUnveiled:
        return c.replayRecorded;
    case Screen::Gallery:
        return c.workHasReplay;
    default:
        return false;
    }
}

} // namespace

CommandLooks commandLooks(Screen screen, const ScreenConditions &conditions)
{
    const bool montage = isMontage(screen);
    const bool selecting = screen == Screen::FaceSelect;
    CommandLooks looks;
    looks.select = selectButton(screen, conditions);
    looks.start = startButton(screen, conditions);
    looks.mode = modeButton(screen, conditions);
    looks.zoomOrDelete = zoomOrDeleteButton(screen, conditions);
    looks.grow = montage ? shown(QStringLiteral("+")) : hidden(QStringLiteral("+"));
    looks.shrink = montage ? shown(QStringLiteral("-")) : hidden(QStringLiteral("-"));
    const bool replay = replayOffered(screen, conditions);
    looks.replay = replay ? shown(Caption::Replay) : hidden(Caption::Replay);
    looks.doubleSpeed = replay ? shown(Caption::DoubleSpeed) : hidden(Caption::DoubleSpeed);
    looks.slideshow = screen == Screen::Gallery && conditions.galleryHasWorks ? shown(Caption::Slideshow)
                                                                              : hidden(Caption::Slideshow);
    // Every other screen is left through its buttons.
    looks.faceMenu = selecting;
    looks.works = selecting && conditions.worksListed;
    looks.montage = selecting;
    looks.party = selecting;
    looks.deleteFace = conditions.deletionOffered;
    return looks;
}
