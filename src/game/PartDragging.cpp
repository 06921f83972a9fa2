#include "game/PartDragging.h"

#include "screen/ShownFace.h"
#include "screen/GameColours.h"
#include "screen/ScreenState.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/HintRules.h"
#include "library/FaceLibrary.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/system/Chance.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/DragController.h"
#include "platform/widgets/GlobalCursor.h"
#include "platform/widgets/PictureBox.h"
#include "screen/Guidance.h"

#include <QLineEdit>

namespace {

int faceRight(const PartDragging::Widgets &w)
{
    return w.facePicture->x() + w.facePicture->width();
}

int partNumber(const PartDragging::Widgets &w, const PictureBox *part)
{
    for (int k = 1; k <= 4; ++k) {
        if (w.parts.picture(k) == part)
            return k;
    }
    return 0;
}

} // namespace

PartDragging::PartDragging(const Widgets &widgets, const FaceLibrary &library, const ShownFace &shown,
                           ScreenState &screen, GameState &state, DragController &drag, Chance &chance)
    : w(widgets), m_library(library), m_shown(shown), m_screen(screen), m_state(state), m_drag(drag), m_chance(chance)
{
}

bool PartDragging::isReal() const
{
    return m_screen.screen() == Screen::RealPlay || m_screen.screen() == Screen::UnveilReady;
}

bool PartDragging::isPractice() const
{
    switch (m_screen.screen()) {
    case Screen::Opening:
    case Screen::PracticePlay:
    case Screen::PracticeDone:
    case Screen::Montage:
        return true;
    case Screen::MontageSave:
        // While "保存" is offered, nothing moves.
        return !m_screen.conditions().nameAccepted;
    default:
        return false;
    }
}

void PartDragging::markDropped()
{
    ScreenConditions conditions = m_screen.conditions();
    conditions.partDropped = true;
    m_screen.change(m_screen.screen(), conditions);
}

void PartDragging::showRealText()
{
    guide(w.guidanceLabel, GameTexts::Real);
}

qint64 PartDragging::realMs() const
{
    return m_state.RealClock.isValid() ? m_state.RealClock.elapsed() : 0;
}

QPoint PartDragging::onClient(QPoint global) const
{
    return w.client->mapFromGlobal(global);
}

void PartDragging::partMouseDown(int k, QPoint global)
{
    PictureBox *part = w.parts.picture(k);
    if (isFaceCreation(m_screen.screen()) || part->isHidden())
        return;
    m_state.CurrentPartImage = part;
    if (isReal() && m_library.hasFace(m_shown.CurrentFace)) {
        const TFaceData &face = m_library.Faces.at(m_shown.CurrentFace);
        setHintTarget(face.partX(k), face.partY(k));
    }
    beginPartDrag(global);
}

void PartDragging::setHintTarget(int x, int y)
{
    int r1 = 0;
    int r2 = 0;
    if (m_state.HintsLie) {
        m_chance.reseed();
        r1 = m_chance.below(80);
        r2 = m_chance.below(80);
    }
    m_state.RightPlace = QPoint(x, y);
    const QPoint target = HintRules::target(m_state.RightPlace, m_state.HintsLie, r1, r2);
    m_state.HintTargetX = target.x();
    m_state.HintTargetY = target.y();
}

void PartDragging::beginPartDrag(QPoint global)
{
    PictureBox *part = m_state.CurrentPartImage;
    m_state.DragStartX = global.x();
    m_state.DragStartY = global.y();
    if (isReal()) {
        // A part already on the face stays where it is.
        if (!m_state.PartOnFace[partNumber(w, part)]) {
            m_drag.begin(part, m_transparentCursor);
            m_state.Dragging = true;
            GlobalCursor::set(m_transparentCursor);
            part->hide();
            m_state.Record.beginDrag(partNumber(w, part), realMs(), onClient(global));
        }
    } else if (isPractice()) {
        const bool allShown = w.facePicture->isVisible() && w.parts.picture(1)->isVisible()
                              && w.parts.picture(2)->isVisible() && w.parts.picture(3)->isVisible()
                              && w.parts.picture(4)->isVisible();
        if (allShown) {
            m_drag.begin(part, QCursor(Qt::DragMoveCursor));
            m_state.Dragging = true;
        }
    }
}

bool PartDragging::dragOverFace(QPoint local)
{
    if (isFaceCreation(m_screen.screen()))
        return false;
    if (isReal() && m_state.Dragging && m_state.CurrentPartImage) {
        const QSize part = m_state.CurrentPartImage->size();
        const QPoint target(m_state.HintTargetX, m_state.HintTargetY);
        const QString hint = HintRules::hint(local, part, target);
        w.guidanceLabel->setFontColor(GameColour::HintRed);
        w.guidanceLabel->setCaption(hint);
        const qint64 ms = realMs();
        m_state.Record.move(ms, w.facePicture->mapTo(w.client, local));
        const HintRules::Truth truth = HintRules::truthOf(local, part, target, m_state.RightPlace);
        m_state.Record.hint(ms, hint, truth.horizontalLie, truth.verticalLie);
    }
    return true;
}

void PartDragging::moveByTravel(QPoint global)
{
    PictureBox *part = m_state.CurrentPartImage;
    part->move(part->x() + global.x() - m_state.DragStartX, part->y());
    part->move(part->x(), part->y() + global.y() - m_state.DragStartY);
    m_state.PartOnFace[partNumber(w, part)] = liesOnFace(part->x(), faceRight(w));
}

void PartDragging::dropOnFace(QPoint global)
{
    if (!m_state.Dragging || !m_state.CurrentPartImage)
        return;
    moveByTravel(global);
    m_state.Dragging = false;
    m_state.Record.drop(realMs(), onClient(global), m_state.CurrentPartImage->pos());
    markDropped();
    if (isPractice()) {
        if (!isMontage(m_screen.screen()))
            guide(w.guidanceLabel, GameTexts::Practice);
    } else {
        showRealText();
    }
    checkAllPlaced();
}

void PartDragging::dropOnPart(PictureBox *target, QPoint global)
{
    // Only a part lying strictly left of the face's edge takes the drop.
    if (target->x() < faceRight(w) && m_state.CurrentPartImage) {
        moveByTravel(global);
        m_state.Dragging = false;
        m_state.Record.drop(realMs(), onClient(global), m_state.CurrentPartImage->pos());
        markDropped();
        checkAllPlaced();
    } else {
        restore();
    }
}

void PartDragging::restore()
{
    // The record takes only its own blind drag's end; in practice none runs.
    m_state.Record.abandon(realMs());
    m_state.Dragging = false;
    if (m_state.CurrentPartImage)
        m_state.CurrentPartImage->show();
    if (isReal())
        showRealText();
}

bool PartDragging::dragOverWindow(QPoint global)
{
    const QRect frame = w.client->window()->frameGeometry();
    const bool inside = frame.left() < global.x() && global.x() < frame.left() + frame.width()
                        && frame.top() < global.y() && global.y() < frame.top() + frame.height();
    m_state.Record.move(realMs(), onClient(global));
    if (!inside) {
        m_state.Record.abandon(realMs(), onClient(global));
        GlobalCursor::reset();
        if (m_state.CurrentPartImage)
            m_state.CurrentPartImage->show();
        m_state.Dragging = false;
        if (isReal())
            showRealText();
    }
    return true;
}

void PartDragging::endedWithoutDrop()
{
    // Treated as a restore, with the pointer made visible again, so that the game goes on.
    restore();
    GlobalCursor::reset();
}

void PartDragging::pointerMovedOnWindow()
{
    if (!m_state.Dragging)
        GlobalCursor::reset();
}

void PartDragging::checkAllPlaced()
{
    if (!m_state.allOnFace())
        return;
    ScreenConditions conditions = m_screen.conditions();
    switch (m_screen.screen()) {
    case Screen::Opening:
        conditions.partsOnFace = true;
        m_screen.change(Screen::Opening, conditions);
        guide(w.guidanceLabel, GameTexts::PressStart);
        break;
    case Screen::PracticePlay:
    case Screen::PracticeDone:
        m_screen.change(Screen::PracticeDone);
        guide(w.guidanceLabel, GameTexts::PressStart);
        break;
    case Screen::Montage:
    case Screen::MontageSave:
        m_screen.change(Screen::MontageSave);
        w.guidanceLabel->setCaption(GameTexts::MontageName);
        w.nameField->show();
        break;
    case Screen::RealPlay:
    case Screen::UnveilReady:
        m_screen.change(Screen::UnveilReady);
        guide(w.guidanceLabel, GameTexts::PressUnveil + QStringLiteral("\r") + HintRules::verdict(m_state.HintsLie));
        break;
    default:
        break;
    }
}
