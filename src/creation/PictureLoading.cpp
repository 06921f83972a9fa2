#include "creation/PictureLoading.h"

#include "creation/CreationCanvas.h"
#include "creation/CreationState.h"
#include "creation/CreationTexts.h"
#include "creation/PictureFit.h"
#include "platform/system/AppError.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/pictures/PictureFile.h"
#include "screen/GameColours.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "screen/Guidance.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>

PictureLoading::PictureLoading(const Widgets &widgets, ScreenState &screen, CreationState &state, ShownFace &shown,
                               CreationCanvas &canvas, Dialogs &dialogs)
    : w(widgets), m_screen(screen), m_state(state), m_shown(shown), m_canvas(canvas), m_dialogs(dialogs)
{
}

void PictureLoading::startFaceCreation()
{
    const QString path = m_dialogs.openPicture(CreationText::DialogTitle, CreationText::DialogFilter);
    if (path.isEmpty())
        return;
    m_state = CreationState();
    switchToCreationScreen();
    const bool known = PictureFile::kindOf(path) != PictureFile::Kind::None;
    if (known)
        load(path);
    offerOutlining();
    if (!known)
        m_dialogs.showMessage(CreationText::UnknownKind.arg(QFileInfo(path).fileName()));
}

void PictureLoading::switchToCreationScreen()
{
    ScreenConditions conditions = m_screen.conditions();
    conditions.zoomOffered = true;
    conditions.zoomRectangle = false;
    conditions.registerOffered = false;
    conditions.nameAccepted = false;
    m_screen.change(Screen::FaceCreate, conditions);
    w.faceList->hide();
    w.faceNameLabel->resize(177, w.faceNameLabel->height());
    QFont font = w.faceNameLabel->font();
    font.setPointSize(14);
    w.faceNameLabel->setFont(font);
    w.faceNameLabel->setCaption(CreationText::Creating);
    w.openingFaceBox->hide();
    m_canvas.clear();
}

void PictureLoading::load(const QString &path)
{
    const PictureFile::Kind kind = PictureFile::kindOf(path);
    QImage picture = PictureFile::load(path);
    const QSize display = fitIntoFaceBox(picture.size());
    if (display.isEmpty())
        throw AppError(CreationText::TooThin.arg(QFileInfo(path).fileName()));
    m_state.SourcePicture.pixels = std::move(picture);
    m_state.SourcePicture.kind = kind == PictureFile::Kind::Bitmap ? WorkingPicture::Bitmap : WorkingPicture::Jpeg;
    m_shown.DisplayWidth = display.width();
    m_shown.DisplayHeight = display.height();
    m_canvas.showSourcePicture();
    m_canvas.changed();
}

void PictureLoading::offerOutlining()
{
    for (int k = 1; k <= 4; ++k) {
        w.parts.title(k)->setBackgroundColor(GameColour::TitleYellow);
        w.parts.title(k)->show();
    }
    guide(w.guidanceLabel, CreationText::Start);
}
