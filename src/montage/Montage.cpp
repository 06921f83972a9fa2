#include "montage/Montage.h"

#include "game/GameState.h"
#include "library/DisplaySize.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "montage/MontageGuidance.h"
#include "montage/MontageTexts.h"
#include "montage/ResizeRules.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "screen/GameColours.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "platform/widgets/ListBox.h"
#include "screen/Guidance.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

namespace {
constexpr int OutlinePiece = 5;
} // namespace

Montage::Montage(const Widgets &widgets, const FaceLibrary &library, ScreenState &screen, GameState &game,
                 ShownFace &shown)
    : w(widgets), m_library(library), m_screen(screen), m_game(game), m_shown(shown)
{
}

void Montage::startMontage()
{
    CurrentPart = 0;
    m_game.PartOnFace = {};
    ScreenConditions conditions = m_screen.conditions();
    conditions.gameFinished = false;
    m_screen.change(Screen::Montage, conditions);
    w.faceNameLabel->setCaption(MontageTexts::Heading);
    w.outlineTitle->show();
    w.outlineTitle->setEnabled(true);
    for (int k = 1; k <= 4; ++k) {
        w.parts.title(k)->show();
        w.parts.title(k)->setEnabled(true);
    }
    w.facePicture->clearPicture();
    w.facePicture->hide();
    w.faceList->hide();
    w.openingFaceBox->hide();
    guide(w.guidanceLabel, MontageTexts::ChoosePieces);

    // A loaded piece is drawn into the part's box as it stands; loading never resizes the box.
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->setSizing(PictureBox::Sizing::StretchProportional);

    w.pickList->setGeometry(w.shrinkButton->x(), w.shrinkButton->y() + w.shrinkButton->height() + 5, 145, 172);
    w.pickList->clear();
    for (int n = 0; n < m_library.FaceCount; ++n)
        w.pickList->addItem(m_library.Faces.at(n).Name);
    w.pickList->show();
}

void Montage::markTitle(CaptionLabel *chosen)
{
    for (CaptionLabel *title : {w.outlineTitle, w.parts.title(1), w.parts.title(2), w.parts.title(3), w.parts.title(4)})
        title->setBackgroundColor(title == chosen ? GameColour::HintRed : GameColour::TitleYellow);
}

void Montage::outlineTitleClicked()
{
    CurrentPart = OutlinePiece;
    markTitle(w.outlineTitle);
}

void Montage::partTitleMouseDown(int k)
{
    if (k < 1 || k > 4)
        return;
    CurrentPart = k;
    markTitle(w.parts.title(k));
    m_game.CurrentPartImage = w.parts.picture(k);
}

void Montage::partMouseDown(int k)
{
    if (k >= 1 && k <= 4 && !w.parts.picture(k)->isHidden())
        partTitleMouseDown(k);
}

void Montage::takeFace(int face)
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
    FacePictureLoader::loadWhole(*w.facePicture, FacePaths::facePicture(m_library.AppDir, face, OutlinePiece));
    const QSize display = displaySizeFor(w.facePicture->picture().size());
    m_shown.DisplayWidth = display.width();
    m_shown.DisplayHeight = display.height();
    w.facePicture->show();
}

void Montage::loadPart(int k, int face)
{
    PictureBox *part = w.parts.picture(k);
    FacePictureLoader::loadWhole(*part, FacePaths::facePicture(m_library.AppDir, face, k));
    const CaptionLabel *title = w.parts.title(k);
    part->move(title->x(), title->y() + title->height() + 5);
    m_game.PartOnFace[k] = liesOnFace(part->x(), w.facePicture->x() + w.facePicture->width());
    part->show();
}

void Montage::guideAfterLoad()
{
    bool allShown = !w.facePicture->isHidden();
    for (int k = 1; k <= 4; ++k)
        allShown = allShown && !w.parts.picture(k)->isHidden();
    if (const auto text = MontageGuidance::afterLoad(allShown, m_game.anyOnFace()))
        guide(w.guidanceLabel, *text);
}

void Montage::growPart()
{
    if (CurrentPart >= 1 && CurrentPart <= 4)
        resizePart(ResizeRules::Grow);
}

void Montage::shrinkPart()
{
    if (CurrentPart >= 1 && CurrentPart <= 4)
        resizePart(ResizeRules::Shrink);
}

void Montage::resizePart(float factor)
{
    PictureBox *part = m_game.CurrentPartImage;
    if (!part || part->isHidden())
        return;
    part->resize(ResizeRules::resized(part->size(), factor));
}
