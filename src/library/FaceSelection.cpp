#include "library/FaceSelection.h"

#include "screen/Form1Widgets.h"
#include "screen/GameColours.h"
#include "screen/GuidanceTexts.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "screen/TrayLayout.h"
#include "library/DisplaySize.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/DpiScale.h"
#include "platform/PictureBox.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

FaceSelection::FaceSelection(Form1Widgets &widgets, FaceLibrary &library, ScreenState &screen, ShownFace &shown)
    : w(widgets), m_library(library), m_screen(screen), m_shown(shown)
{
}

void FaceSelection::selectCommand()
{
    // Pressed on the selection screen itself, the command steps to the next face.
    const bool stepping = m_screen.screen() == Screen::FaceSelect;
    if (isMontage(m_screen.screen())) {
        w.Image1->show();
        w.LabelRinkaku->hide();
        w.LabelRinkaku->setBackgroundColor(GameColour::TitleYellow);
        // The montage drew its pieces scaled into the boxes; the game draws them 1:1 again.
        for (int k = 1; k <= 4; ++k)
            w.partImage(k)->setSizing(PictureBox::Sizing::TopLeft);
        returnToFaceSelection();
    }

    w.ComboBox1->setCurrentIndex(-1);
    w.ComboBox1->show();
    w.ListBox1->hide();

    layOutTray(w);
    for (int k = 1; k <= 4; ++k)
        w.partImage(k)->hide();

    showSelectionGuidance();
    w.LabelScore->hide();
    w.ImageTitle->hide();
    w.ImageRogo->hide();
    w.Label2->show();
    w.CheckBox1->show();

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

void FaceSelection::ComboBox1Change(int index)
{
    if (index < 0 || index >= m_library.FaceCount)
        return;
    m_shown.CurrentFace = index;
    showCurrentFace();
}

void FaceSelection::returnToFaceSelection()
{
    for (int k = 1; k <= 4; ++k) {
        w.partTitle(k)->setBackgroundColor(GameColour::TitleYellow);
        w.partTitle(k)->hide();
        w.partImage(k)->hide();
    }
    w.Image1->update();

    ScreenConditions conditions = m_screen.conditions();
    conditions.gameFinished = false;
    enterFaceSelect(conditions);

    showSelectionGuidance();

    for (int k = 1; k <= 4; ++k)
        w.partTitle(k)->setEnabled(true);

    w.Edit1->clear();
    w.Edit1->hide();

    w.ComboBox1->setCurrentIndex(-1);
    w.ComboBox1->show();
    w.CheckBox1->show();

    showCurrentFace();
}

void FaceSelection::showCurrentFace()
{
    if (!isMontage(m_screen.screen())) {
        FacePictureLoader::loadWhole(*w.Image1, FacePaths::facePicture(m_library.AppDir, m_shown.CurrentFace, 0));
        w.CheckBox1->setChecked(m_library.TitleFaceIndex == m_shown.CurrentFace);
        const int scale = Dpi::roundHalfEven(double(m_library.DpiScale) / 10000.0);
        w.Label2->resize(177 * scale, w.Label2->height());
        QFont font = w.Label2->font();
        font.setPointSize(14);
        w.Label2->setFont(font);
        w.Label2->setCaption(m_library.hasFace(m_shown.CurrentFace) ? m_library.Faces.at(m_shown.CurrentFace).Name
                                                                    : QString());
    }
    const QSize display = displaySizeFor(w.Image1->picture().size());
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
    w.guide(Guidance::FaceSelect);
}
