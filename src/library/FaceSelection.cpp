#include "library/FaceSelection.h"

#include "screen/Captions.h"
#include "screen/Form1Widgets.h"
#include "screen/GameColours.h"
#include "screen/GuidanceTexts.h"
#include "screen/ModeFlags.h"
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

FaceSelection::FaceSelection(Form1Widgets &widgets, FaceLibrary &library, ModeFlags &modes, ShownFace &shown)
    : w(widgets), m_library(library), m_modes(modes), m_shown(shown)
{
}

void FaceSelection::selectCommand()
{
    if (m_modes.MontageMode) {
        m_modes.MontageMode = false;
        w.Image1->show();
        w.LabelRinkaku->hide();
        w.LabelRinkaku->setBackgroundColor(GameColour::TitleYellow);
        // The montage drew its pieces scaled into the boxes; the game draws them 1:1 again.
        for (int k = 1; k <= 4; ++k)
            w.partImage(k)->setSizing(PictureBox::Sizing::TopLeft);
        returnToFaceSelection();
    }
    m_modes.DeleteMode = false;

    w.ComboBox1->setCurrentIndex(-1);
    w.ComboBox1->show();
    w.ListBox1->hide();
    w.BtnKiritori->hide();

    layOutTray(w);
    for (int k = 1; k <= 4; ++k)
        w.partImage(k)->hide();

    w.N1->setEnabled(true);
    w.N10->setEnabled(m_library.FaceCount > 2);
    updateWorksMenu();
    w.N8->setEnabled(true);

    showSelectionGuidance();
    w.LabelScore->hide();
    w.ImageTitle->hide();
    w.ImageRogo->hide();
    w.Label2->show();
    w.CheckBox1->show();

    if (FirstSelect) {
        FirstSelect = false;
    } else {
        if (w.BtnSentaku->text() == Caption::Select && w.BtnStart->text() == Caption::Start)
            ++m_shown.CurrentFace;
        if (m_shown.CurrentFace >= m_library.FaceCount)
            m_shown.CurrentFace = 0;
    }

    w.BtnSentaku->setText(Caption::Select);
    w.BtnStart->setText(Caption::Start);
    w.BtnStart->setEnabled(true);
    w.BtnRenshu->setEnabled(false);

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

    w.N1->setEnabled(true);
    w.N8->setEnabled(true);
    w.BtnKiritori->hide();
    w.BtnSentaku->setEnabled(true);
    w.BtnStart->setText(Caption::Start);
    w.BtnRenshu->setText(Caption::Practice);
    w.BtnUp->hide();
    w.BtnDown->hide();

    showSelectionGuidance();

    m_modes.CreateMode = false;
    m_modes.OutlineDragging = false;
    m_modes.CurrentPart = 0;
    m_modes.ZoomMode = false;
    for (int k = 1; k <= 4; ++k)
        w.partTitle(k)->setEnabled(true);

    w.Edit1->clear();
    w.Edit1->hide();

    w.ComboBox1->setCurrentIndex(-1);
    w.ComboBox1->show();
    w.CheckBox1->show();
    updateWorksMenu();

    showCurrentFace();
}

void FaceSelection::showCurrentFace()
{
    if (!m_modes.MontageMode) {
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

void FaceSelection::updateWorksMenu()
{
    if (QDir(FacePaths::worksFolder(m_library.AppDir)).exists())
        w.N7->setEnabled(true);
}

void FaceSelection::showSelectionGuidance()
{
    w.guide(Guidance::FaceSelect);
}
