#include "montage/Montage.h"

#include "game/GameState.h"
#include "library/DisplaySize.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "montage/MontageGuidance.h"
#include "montage/MontageTexts.h"
#include "montage/ResizeRules.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/PictureBox.h"
#include "screen/Form1Widgets.h"
#include "screen/GameColours.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

namespace {
constexpr int OutlinePiece = 5;
} // namespace

Montage::Montage(Form1Widgets &widgets, const FaceLibrary &library, ScreenState &screen, GameState &game,
                 ShownFace &shown)
    : w(widgets), m_library(library), m_screen(screen), m_game(game), m_shown(shown)
{
}

void Montage::N8Click()
{
    CurrentPart = 0;
    m_game.PartOnFace = {};
    ScreenConditions conditions = m_screen.conditions();
    conditions.gameFinished = false;
    m_screen.change(Screen::Montage, conditions);
    w.Label2->setCaption(MontageTexts::Heading);
    w.LabelRinkaku->show();
    w.LabelRinkaku->setEnabled(true);
    for (int k = 1; k <= 4; ++k) {
        w.partTitle(k)->show();
        w.partTitle(k)->setEnabled(true);
    }
    w.Image1->clearPicture();
    w.Image1->hide();
    w.ComboBox1->hide();
    w.CheckBox1->hide();
    w.guide(MontageTexts::ChoosePieces);

    // A loaded piece is drawn into the part's box as it stands; loading never resizes the box.
    for (int k = 1; k <= 4; ++k)
        w.partImage(k)->setSizing(PictureBox::Sizing::StretchProportional);

    w.ListBox1->setGeometry(w.BtnDown->x(), w.BtnDown->y() + w.BtnDown->height() + 5, 145, 172);
    w.ListBox1->clear();
    for (int n = 0; n < m_library.FaceCount; ++n)
        w.ListBox1->addItem(m_library.Faces.at(n).Name);
    w.ListBox1->show();
}

void Montage::markTitle(CaptionLabel *chosen)
{
    for (CaptionLabel *title : {w.LabelRinkaku, w.LabelRE, w.LabelLE, w.LabelHana, w.LabelKuti})
        title->setBackgroundColor(title == chosen ? GameColour::HintRed : GameColour::TitleYellow);
}

void Montage::LabelRinkakuClick()
{
    CurrentPart = OutlinePiece;
    markTitle(w.LabelRinkaku);
}

void Montage::partTitleMouseDown(int k)
{
    if (k < 1 || k > 4)
        return;
    CurrentPart = k;
    markTitle(w.partTitle(k));
    m_game.CurrentPartImage = w.partImage(k);
}

void Montage::partMouseDown(int k)
{
    if (k >= 1 && k <= 4 && !w.partImage(k)->isHidden())
        partTitleMouseDown(k);
}

void Montage::ListBox1Click(int face)
{
    const int piece = CurrentPart;
    if (piece < 1 || piece > OutlinePiece || !m_library.hasFace(face))
        return;
    if (piece == OutlinePiece)
        loadOutline(face);
    else
        loadPart(piece, face);
    guideAfterLoad();
}

void Montage::loadOutline(int face)
{
    // Read before anything changes, so that a bad file leaves the screen as it was.
    FacePictureLoader::loadWhole(*w.Image1, FacePaths::facePicture(m_library.AppDir, face, OutlinePiece));
    const QSize display = displaySizeFor(w.Image1->picture().size());
    m_shown.DisplayWidth = display.width();
    m_shown.DisplayHeight = display.height();
    w.Image1->show();
}

void Montage::loadPart(int k, int face)
{
    PictureBox *part = w.partImage(k);
    FacePictureLoader::loadWhole(*part, FacePaths::facePicture(m_library.AppDir, face, k));
    const CaptionLabel *title = w.partTitle(k);
    part->move(title->x(), title->y() + title->height() + 5);
    m_game.PartOnFace[k] = liesOnFace(part->x(), w.Image1->x() + w.Image1->width());
    part->show();
}

void Montage::guideAfterLoad()
{
    bool allShown = !w.Image1->isHidden();
    for (int k = 1; k <= 4; ++k)
        allShown = allShown && !w.partImage(k)->isHidden();
    if (const auto text = MontageGuidance::afterLoad(allShown, m_game.anyOnFace()))
        w.guide(*text);
}

void Montage::BtnUpClick()
{
    if (CurrentPart >= 1 && CurrentPart <= 4)
        ResizePart(ResizeRules::Grow);
}

void Montage::BtnDownClick()
{
    if (CurrentPart >= 1 && CurrentPart <= 4)
        ResizePart(ResizeRules::Shrink);
}

void Montage::ResizePart(float factor)
{
    PictureBox *part = m_game.CurrentPartImage;
    if (!part || part->isHidden())
        return;
    part->resize(ResizeRules::resized(part->size(), factor));
}
