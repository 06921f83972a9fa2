#include "game/GameStart.h"

#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "screen/TrayLayout.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/system/Chance.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/PictureBox.h"
#include "screen/Guidance.h"

#include <QAction>
#include <QComboBox>

GameStart::GameStart(const Widgets &widgets, const FaceLibrary &library, const ShownFace &shown, GameState &state,
                     ScreenState &screen, Chance &chance)
    : w(widgets), m_library(library), m_shown(shown), m_state(state), m_screen(screen), m_chance(chance)
{
}

void GameStart::start()
{
    begin(m_screen.screen() == Screen::PracticeDone ? Begin::RealAfterPractice : Begin::Practice);
}

void GameStart::startTurn(bool practice)
{
    begin(practice ? Begin::Practice : Begin::RealAtOnce);
}

void GameStart::begin(Begin how)
{
    const bool real = how != Begin::Practice;
    // After practice the parts keep their pictures; nothing is read again.
    if (how != Begin::RealAfterPractice)
        loadFace();
    switch (how) {
    case Begin::Practice:
        guide(w.guidanceLabel, GameTexts::PracticeStart);
        break;
    case Begin::RealAfterPractice:
        guide(w.guidanceLabel, GameTexts::RealStart);
        break;
    case Begin::RealAtOnce:
        // A round's player without practice has no mode to switch to.
        guide(w.guidanceLabel, GameTexts::Real);
        break;
    }
    if (real)
        lieDraw();
    layOutTray(*w.facePicture, w.parts);
    if (real)
        noteTrayPlaces();
    m_state.PartOnFace = {};
    ScreenConditions conditions = m_screen.conditions();
    conditions.partDropped = false;
    conditions.gameFinished = false;
    m_screen.change(real ? Screen::RealPlay : Screen::PracticePlay, conditions);
}

void GameStart::loadFace()
{
    w.faceList->hide();
    const int face = m_shown.CurrentFace;
    for (int k = 1; k <= 4; ++k)
        FacePictureLoader::loadPart(*w.parts.picture(k), FacePaths::facePicture(m_library.AppDir, face, k),
                                    m_library.DpiScale);
    FacePictureLoader::loadWhole(*w.facePicture, FacePaths::facePicture(m_library.AppDir, face, 5));
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->show();
}

void GameStart::switchToReal()
{
    m_screen.change(Screen::RealPlay);
    lieDraw();
    noteTrayPlaces();
    guide(w.guidanceLabel, GameTexts::RealStart);
}

void GameStart::switchToPractice()
{
    const ScreenConditions &conditions = m_screen.conditions();
    if (conditions.roundTurn && !conditions.practiceAllowed)
        return;
    m_screen.change(Screen::PracticePlay);
    guide(w.guidanceLabel, GameTexts::PracticeStart);
}

void GameStart::noteTrayPlaces()
{
    for (int k = 1; k <= 4; ++k)
        m_state.Record.trayPlaces[k - 1] = w.parts.picture(k)->pos();
}

void GameStart::lieDraw()
{
    m_chance.reseed();
    m_state.HintsLie = m_chance.below(10) != 0;
    // A real game starts here; its replay starts with it.
    m_state.Record.clear();
    m_state.RealClock.start();
}
