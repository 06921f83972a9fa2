#include "library/FaceSelection.h"

#include "screen/GameColours.h"
#include "screen/GuidanceTexts.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "screen/TrayLayout.h"
#include "library/DisplaySize.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/system/DpiScale.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/ListBox.h"
#include "screen/Guidance.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

FaceSelection::FaceSelection(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, ShownFace &shown)
    : w(widgets), m_library(library), m_screen(screen), m_shown(shown)
{
}

void FaceSelection::selectCommand()
{
    // Pressed on the selection screen itself, the command steps to the next face.
    const bool stepping = m_screen.screen() == Screen::FaceSelect;
    if (isMontage(m_screen.screen())) {
        w.facePicture->show();
        w.outlineTitle->hide();
        w.outlineTitle->setBackgroundColor(GameColour::TitleYellow);
        // The montage drew its pieces scaled into the boxes; the game draws them 1:1 again.
        for (int k = 1; k <= 4; ++k)
            w.parts.picture(k)->setSizing(PictureBox::Sizing::TopLeft);
        returnToFaceSelection();
    }

    w.faceList->setCurrentIndex(-1);
    w.faceList->show();
    w.pickList->hide();

    layOutTray(*w.facePicture, w.parts);
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->hide();

    showSelectionGuidance();
    w.scoreLabel->hide();
    w.titlePicture->hide();
    w.bannerPicture->hide();
    w.faceNameLabel->show();
    w.openingFaceBox->show();

    if (FirstSelect) {
        FirstSelect = false;
    } else {
        if (stepping)
            ++m_shown.CurrentFace;
        if (m_shown.CurrentFace >= m_library.FaceCount)
            m_shown.CurrentFace = 0;
    }

    ScreenConditions conditions = m_screen.conditions();
    conditions.deletionOffered = m_library.FaceCount > 2;
    enterFaceSelect(conditions);

    showCurrentFace();
}

void FaceSelection::faceChosen(int index)
{
    if (index < 0 || index >= m_library.FaceCount)
        return;
    m_shown.CurrentFace = index;
    showCurrentFace();
}

void FaceSelection::returnToFaceSelection()
{
    for (int k = 1; k <= 4; ++k) {
        w.parts.title(k)->setBackgroundColor(GameColour::TitleYellow);
        w.parts.title(k)->hide();
        w.parts.picture(k)->hide();
    }
    w.facePicture->update();

    ScreenConditions conditions = m_screen.conditions();
    conditions.gameFinished = false;
    enterFaceSelect(conditions);

    showSelectionGuidance();

    for (int k = 1; k <= 4; ++k)
        w.parts.title(k)->setEnabled(true);

    w.nameField->clear();
    w.nameField->hide();

    w.faceList->setCurrentIndex(-1);
    w.faceList->show();
    w.openingFaceBox->show();

    showCurrentFace();
}

void FaceSelection::showCurrentFace()
{
    if (!isMontage(m_screen.screen())) {
        FacePictureLoader::loadWhole(*w.facePicture, FacePaths::facePicture(m_library.AppDir, m_shown.CurrentFace, 0));
        w.openingFaceBox->setChecked(m_library.TitleFaceIndex == m_shown.CurrentFace);
        const int scale = Dpi::roundHalfEven(double(m_library.DpiScale) / 10000.0);
        w.faceNameLabel->resize(177 * scale, w.faceNameLabel->height());
        QFont font = w.faceNameLabel->font();
        font.setPointSize(14);
        w.faceNameLabel->setFont(font);
        w.faceNameLabel->setCaption(
            m_library.hasFace(m_shown.CurrentFace) ? m_library.Faces.at(m_shown.CurrentFace).Name : QString());
    }
    const QSize display = displaySizeFor(w.facePicture->picture().size());
    m_shown.DisplayWidth = display.width();
    m_shown.DisplayHeight = display.height();
}

void FaceSelection::enterFaceSelect(ScreenConditions conditions)
{
    // Offered once, the works menu stays while the selection screen does.
    const bool listed = m_screen.screen() == Screen::FaceSelect && conditions.worksListed;
    conditions.worksListed = listed || QDir(FacePaths::worksFolder(m_library.AppDir)).exists();
    m_screen.change(Screen::FaceSelect, conditions);
}

void FaceSelection::showSelectionGuidance()
{
    guide(w.guidanceLabel, Guidance::FaceSelect);
}
