#include "game/GameStart.h"

#include "screen/MainWindowWidgets.h"
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

#include <QAction>
#include <QComboBox>

GameStart::GameStart(MainWindowWidgets &widgets, const FaceLibrary &library, const ShownFace &shown, GameState &state,
                     ScreenState &screen, Chance &chance)
    : w(widgets), m_library(library), m_shown(shown), m_state(state), m_screen(screen), m_chance(chance)
{
}

void GameStart::start()
{
    const bool real = m_screen.screen() == Screen::PracticeDone;
    if (real)
        startReal();
    else
        startPractice();
    layOutTray(w);
    m_state.PartOnFace = {};
    ScreenConditions conditions = m_screen.conditions();
    conditions.partDropped = false;
    conditions.gameFinished = false;
    m_screen.change(real ? Screen::RealPlay : Screen::PracticePlay, conditions);
}

void GameStart::startPractice()
{
    w.faceList->hide();
    const int face = m_shown.CurrentFace;
    for (int k = 1; k <= 4; ++k)
        FacePictureLoader::loadPart(*w.partImage(k), FacePaths::facePicture(m_library.AppDir, face, k),
                                    m_library.DpiScale);
    FacePictureLoader::loadWhole(*w.facePicture, FacePaths::facePicture(m_library.AppDir, face, 5));
    for (int k = 1; k <= 4; ++k)
        w.partImage(k)->show();
    w.guide(GameTexts::PracticeStart);
}

void GameStart::startReal()
{
    // The parts keep the pictures of the practice game; nothing is read again.
    w.guide(GameTexts::RealStart);
    lieDraw();
}

void GameStart::switchToReal()
{
    m_screen.change(Screen::RealPlay);
    lieDraw();
    w.guide(GameTexts::RealStart);
}

void GameStart::switchToPractice()
{
    m_screen.change(Screen::PracticePlay);
    w.guide(GameTexts::PracticeStart);
}

void GameStart::lieDraw()
{
    m_chance.reseed();
    m_state.HintsLie = m_chance.below(10) != 0;
}
