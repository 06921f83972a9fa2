#include "creation/AutomaticOutlining.h"

#include "creation/CreationState.h"
#include "creation/CreationTexts.h"
#include "creation/SourcePicture.h"
#include "platform/CommandButton.h"
#include "platform/FaceLandmarks.h"
#include "screen/Form1Widgets.h"
#include "screen/ShownFace.h"

using FaceLandmarks::ModelState;

AutomaticOutlining::AutomaticOutlining(const Form1Widgets &widgets, const CreationState &state, const ShownFace &shown)
    : w(widgets), m_state(state), m_shown(shown)
{
    QObject::connect(&m_load, &QFutureWatcher<void>::finished, w.BtnJidou, [this] {
        if (w.BtnJidou->isVisible())
            refreshButton();
    });
}

void AutomaticOutlining::prepare()
{
    // Loading while the player is still choosing a picture hides most of the wait.
    if (FaceLandmarks::modelPresent() && !m_load.future().isValid())
        m_load.setFuture(FaceLandmarks::startLoading());
}

void AutomaticOutlining::offer()
{
    refreshButton();
}

void AutomaticOutlining::end()
{
    w.BtnJidou->hide();
}

void AutomaticOutlining::refreshButton()
{
    const ModelState model = FaceLandmarks::state();
    if (model == ModelState::Absent || model == ModelState::Failed) {
        w.BtnJidou->hide();
        return;
    }
    const bool ready = model == ModelState::Ready;
    w.BtnJidou->setText(ready ? CreationText::Automatic : CreationText::AutomaticLoading);
    w.BtnJidou->setEnabled(ready && m_state.SourcePicture.isLoaded());
    w.BtnJidou->show();
}

std::optional<FoundParts> AutomaticOutlining::findParts()
{
    if (!m_state.SourcePicture.isLoaded() || FaceLandmarks::state() != ModelState::Ready)
        return std::nullopt;
    // The picture as the player sees it, without the fills of parts outlined by hand.
    QImage clean(300, 300, QImage::Format_RGB32);
    clean.fill(Qt::white);
    const QSize display(m_shown.DisplayWidth, m_shown.DisplayHeight);
    drawSourcePicture(clean, m_state.SourcePicture.pixels, display);
    const QVector<QPointF> landmarks = FaceLandmarks::largestFace(clean);
    if (landmarks.size() != LandmarkCount) {
        w.guide(CreationText::NoFaceFound);
        return std::nullopt;
    }
    FoundParts found;
    found.outlines = outlinesFromLandmarks(landmarks);
    for (int k = 1; k <= 4; ++k)
        found.colours[k] = colourBeside(clean, found.outlines[k], QRect(QPoint(0, 0), display));
    return found;
}
