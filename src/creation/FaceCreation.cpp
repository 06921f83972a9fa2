#include "creation/FaceCreation.h"

#include "creation/AutomaticOutlining.h"
#include "creation/CreationTexts.h"
#include "creation/PartOutlining.h"
#include "creation/PictureLoading.h"
#include "creation/SourcePicture.h"
#include "creation/ZoomSelection.h"
#include "library/FaceRegistration.h"
#include "library/FaceSelection.h"
#include "library/NewFace.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/PictureBox.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"

#include <QLineEdit>

FaceCreation::FaceCreation(const Widgets &widgets, ScreenState &screen, ShownFace &shown, Dialogs &dialogs,
                           FaceSelection &selection, FaceRegistration &registration)
    : w(widgets), m_screen(screen), m_shown(shown), m_dialogs(dialogs), m_selection(selection),
      m_registration(registration), m_canvas(*widgets.facePicture, m_state, shown),
      m_loading(std::make_unique<PictureLoading>(PictureLoading::Widgets{.guidanceLabel = widgets.guidanceLabel,
                                                                         .faceNameLabel = widgets.faceNameLabel,
                                                                         .faceList = widgets.faceList,
                                                                         .openingFaceBox = widgets.openingFaceBox,
                                                                         .parts = widgets.parts},
                                                 screen, m_state, shown, m_canvas, dialogs)),
      m_zoom(std::make_unique<ZoomSelection>(
          ZoomSelection::Widgets{.guidanceLabel = widgets.guidanceLabel, .parts = widgets.parts}, screen, m_state,
          shown, m_canvas)),
      m_outlining(std::make_unique<PartOutlining>(PartOutlining::Widgets{.guidanceLabel = widgets.guidanceLabel,
                                                                         .nameField = widgets.nameField,
                                                                         .selectButton = widgets.selectButton,
                                                                         .outlineTitle = widgets.outlineTitle,
                                                                         .parts = widgets.parts},
                                                  screen, m_state, m_canvas)),
      m_automatic(
          std::make_unique<AutomaticOutlining>(AutomaticOutlining::Widgets{.guidanceLabel = widgets.guidanceLabel,
                                                                           .automaticButton = widgets.automaticButton},
                                               m_state, shown, m_canvas, *m_zoom, *m_outlining))
{
}

FaceCreation::~FaceCreation() = default;

void FaceCreation::startFaceCreation()
{
    m_automatic->prepare();
    m_loading->startFaceCreation();
    if (isFaceCreation(m_screen.screen()))
        m_automatic->offer();
}

void FaceCreation::outlineAutomatically()
{
    if (!isFaceCreation(m_screen.screen()))
        return;
    m_automatic->press();
}

void FaceCreation::zoom()
{
    if (m_screen.screen() == Screen::ZoomArmed)
        m_zoom->apply();
    else
        m_zoom->arm();
}

void FaceCreation::facePressed(QPoint at)
{
    if (m_screen.screen() == Screen::ZoomArmed)
        m_zoom->press(at);
    else
        m_outlining->press(at);
}

void FaceCreation::pointerMovedOnFace(QPoint at)
{
    if (m_screen.screen() == Screen::ZoomArmed)
        m_zoom->move(at);
    else
        m_outlining->move(at);
}

void FaceCreation::faceReleased(QPoint at)
{
    if (m_screen.screen() == Screen::ZoomArmed)
        m_zoom->release(at);
    else
        m_outlining->release();
}

void FaceCreation::partTitleMouseDown(int k, Qt::MouseButton button)
{
    m_outlining->partTitleMouseDown(k, button);
}

void FaceCreation::cancel()
{
    finish();
}

void FaceCreation::registerFace()
{
    if (!m_state.SourcePicture.isLoaded()) {
        m_dialogs.showMessage(CreationText::RegisterWithoutPicture);
        return;
    }
    if (!m_state.allOutlined()) {
        m_dialogs.showMessage(CreationText::RegisterUnfinished);
        return;
    }
    if (m_registration.registerFace(finishedFace(w.nameField->text())))
        finish();
}

NewFace FaceCreation::finishedFace(const QString &name)
{
    NewFace face;
    face.Name = name;
    const QRect shown(0, 0, m_shown.DisplayWidth, m_shown.DisplayHeight);
    // The surface as it stands holds every hole filled: the blank face.
    face.pictures[5] = m_canvas.surface().copy(shown);
    QImage whole = face.pictures[5];
    drawSourcePicture(whole, m_state.SourcePicture.pixels, shown.size());
    face.pictures[0] = whole;
    for (int k = 1; k <= 4; ++k) {
        face.pictures[k] = w.parts.picture(k)->picture();
        face.places[k] = QPoint(m_state.PartLeft[k], m_state.PartTop[k]);
    }
    return face;
}

void FaceCreation::finish()
{
    m_state = CreationState();
    m_zoom->end();
    m_automatic->end();
    m_selection.returnToFaceSelection();
}
