#include "app/OpeningSequence.h"

#include "game/GameState.h"
#include "screen/GuidanceTexts.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/system/Chance.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/PictureBox.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"

OpeningSequence::OpeningSequence(const Widgets &widgets, const FaceLibrary &library, const ShownFace &shown,
                                 GameState &game, ScreenState &screen, Chance &chance)
    : w(widgets), m_library(library), m_shown(shown), m_game(game), m_screen(screen), m_chance(chance)
{
}

void OpeningSequence::prepare()
{
    const int face = m_shown.CurrentFace;
    for (int k = 1; k <= 4; ++k)
        FacePictureLoader::loadPart(*w.parts.picture(k), FacePaths::facePicture(m_library.AppDir, face, k),
                                    m_library.DpiScale);
    FacePictureLoader::loadWhole(*w.facePicture, FacePaths::facePicture(m_library.AppDir, face, 5));
    w.faceNameLabel->setCaption(Guidance::Loading);
    OpeningStep = 0;
}

void OpeningSequence::tick()
{
    if (!isRunning())
        return;
    ++OpeningStep;
    switch (OpeningStep) {
    case 1:
        if (m_startMusic)
            m_startMusic();
        w.faceNameLabel->setCaption(QString());
        w.faceNameLabel->hide();
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        throwPart(OpeningStep - 1);
        break;
    case 7:
        showOpeningScreen();
        break;
    default:
        break;
    }
}

void OpeningSequence::throwPart(int k)
{
    // Each part lands within 50 pixels before and 49 after its right place on each axis.
    m_chance.reseed();
    const TFaceData &face = m_library.Faces.at(m_shown.CurrentFace);
    PictureBox *part = w.parts.picture(k);
    const int left = m_chance.below(100) + face.partX(k) + w.facePicture->x() - 50;
    part->move(left, part->y());
    const int top = m_chance.below(100) + face.partY(k) + w.facePicture->y() - 50;
    part->move(part->x(), top);
    m_game.PartOnFace[k] = liesOnFace(part->x(), w.facePicture->x() + w.facePicture->width());
}

void OpeningSequence::showOpeningScreen()
{
    w.facePicture->show();
    m_screen.change(Screen::Opening);
    w.titlePicture->show();
    w.bannerPicture->show();
    w.guidanceLabel->setCaption(Guidance::Opening);
    w.guidanceLabel->show();
}
