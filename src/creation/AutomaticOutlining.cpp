#include "creation/AutomaticOutlining.h"

#include "creation/AutomaticNote.h"
#include "creation/AutomaticPlan.h"
#include "creation/CreationCanvas.h"
#include "creation/CreationState.h"
#include "creation/CreationTexts.h"
#include "creation/FaceFraming.h"
#include "creation/FaceSearch.h"
#include "creation/LandmarkOutlines.h"
#include "creation/PartOutlining.h"
#include "creation/SkinSample.h"
#include "creation/SourcePicture.h"
#include "creation/ZoomSelection.h"
#include "platform/widgets/CommandButton.h"
#include "platform/landmarks/FaceLandmarks.h"
#include "screen/ShownFace.h"
#include "screen/Guidance.h"

#include <cmath>

using FaceLandmarks::ModelState;

AutomaticOutlining::AutomaticOutlining(const Widgets &widgets, CreationState &state, ShownFace &shown,
                                       CreationCanvas &canvas, ZoomSelection &zoom, PartOutlining &outlining)
    : w(widgets), m_state(state), m_shown(shown), m_canvas(canvas), m_zoom(zoom), m_outlining(outlining)
{
    QObject::connect(&m_load, &QFutureWatcher<void>::finished, w.automaticButton, [this] {
        if (w.automaticButton->isVisible())
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
    w.automaticButton->hide();
    m_base.release();
    m_baseDisplay = QSize();
    m_turn = FaceTurn();
    m_leftPicture = 0;
    m_framed = false;
    m_frame = QRect();
}

void AutomaticOutlining::refreshButton()
{
    const ModelState model = FaceLandmarks::state();
    if (model == ModelState::Absent || model == ModelState::Failed) {
        w.automaticButton->hide();
        return;
    }
    const bool ready = model == ModelState::Ready;
    w.automaticButton->setText(ready ? CreationText::Automatic : CreationText::AutomaticLoading);
    w.automaticButton->setEnabled(ready && m_state.SourcePicture.isLoaded());
    w.automaticButton->show();
}

bool AutomaticOutlining::pictureIsOurs() const
{
    return m_leftPicture != 0 && m_state.SourcePicture.pixels.cacheKey() == m_leftPicture;
}

void AutomaticOutlining::showPicture(const WorkingPicture &picture, QSize display)
{
    m_state.SourcePicture = picture;
    m_shown.DisplayWidth = display.width();
    m_shown.DisplayHeight = display.height();
    m_canvas.clear();
    m_canvas.showSourcePicture();
    m_canvas.changed();
}

void AutomaticOutlining::press()
{
    if (!m_state.SourcePicture.isLoaded() || FaceLandmarks::state() != ModelState::Ready)
        return;
    // A picture changed by the player's own zoom, or a new one, is searched afresh.
    if (!pictureIsOurs()) {
        m_base = m_state.SourcePicture;
        m_baseDisplay = QSize(m_shown.DisplayWidth, m_shown.DisplayHeight);
        m_turn = FaceTurn{FaceSearch::findFaces(m_base.pixels), -1};
        m_framed = false;
    }
    const int next = m_turn.next();
    const QVector<QPointF> landmarks = next < 0 ? QVector<QPointF>()
                                                : FaceSearch::landmarksOf(m_base.pixels, m_turn.faces[next]);
    if (landmarks.size() != LandmarkCount) {
        guide(w.guidanceLabel, CreationText::NoFaceFound);
        return;
    }
    m_turn.taken = next;

    const AutomaticPlan plan = planOutlines(landmarks, m_base.pixels.size(), m_baseDisplay);
    m_outlining.dropAutomaticOutlines();
    const QRectF wholeBase(QPointF(0, 0), QSizeF(m_base.pixels.size()));
    const QRectF shownBefore = m_framed ? QRectF(m_frame) : wholeBase;
    const QSize displayBefore(m_shown.DisplayWidth, m_shown.DisplayHeight);
    if (m_framed) {
        showPicture(m_base, m_baseDisplay);
        m_framed = false;
    }
    PictureOutlines onPicture = plan.outlines;
    if (plan.frame) {
        m_framed = m_zoom.zoomTo(*plan.frame);
        m_frame = plan.zoom.crop;
        // Refused (a picture too small to crop), the face is outlined as it stands.
        if (!m_framed)
            onPicture = planOutlines(landmarks, m_base.pixels.size(), m_baseDisplay, false).outlines;
    }
    const QSize display(m_shown.DisplayWidth, m_shown.DisplayHeight);
    const QRectF shownNow = m_framed ? QRectF(m_frame) : wholeBase;
    // The parts the player outlined by hand follow the picture to its new place.
    if (shownNow != shownBefore || display != displayBefore) {
        m_outlining.carryOutlines(
            [&](QPoint p) {
                const QPointF there =
                    asShown({fromShown(QPointF(p), shownBefore, displayBefore)}, shownNow, display).first();
                return QPoint(int(std::lround(there.x())), int(std::lround(there.y())));
            },
            display);
    }

    QImage clean = blankSurface();
    drawSourcePicture(clean, m_state.SourcePicture.pixels, display);
    FoundParts found;
    found.outlines = onPicture.outlines;
    for (int k = 1; k <= 4; ++k)
        found.colours[k] = skinAround(clean, found.outlines[k], QRect(QPoint(0, 0), display));
    m_zoom.end();
    m_outlining.outlineAutomatically(found);

    AutomaticResult result;
    result.framed = m_framed;
    result.faceCount = int(m_turn.faces.size());
    result.faceTaken = m_turn.taken;
    for (const int k : onPicture.leftOut) {
        if (!m_state.PartOutlined[k])
            result.leftOut.append(k);
    }
    result.allOutlined = m_state.allOutlined();
    guide(w.guidanceLabel, automaticNote(result));
    m_leftPicture = m_state.SourcePicture.pixels.cacheKey();
}
