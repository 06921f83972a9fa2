#include "creation/ZoomSelection.h"

#include "creation/CreationCanvas.h"
#include "creation/CreationDrawing.h"
#include "creation/CreationState.h"
#include "creation/CreationTexts.h"
#include "creation/PartCutout.h"
#include "creation/ZoomCrop.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/pictures/JpegCodec.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "screen/Guidance.h"

namespace {
constexpr int ZoomRectangle = 6; // CurrentPart while armed: names no part, so presses never outline
}

ZoomSelection::ZoomSelection(const Widgets &widgets, ScreenState &screen, CreationState &state, ShownFace &shown,
                             CreationCanvas &canvas)
    : w(widgets), m_screen(screen), m_state(state), m_shown(shown), m_canvas(canvas)
{
}

void ZoomSelection::arm()
{
    ScreenConditions conditions = m_screen.conditions();
    conditions.zoomRectangle = false;
    m_screen.change(Screen::ZoomArmed, conditions);
    m_state.CurrentPart = ZoomRectangle;
    setTitlesEnabled(false);
}

void ZoomSelection::setRectangleReady(bool ready)
{
    ScreenConditions conditions = m_screen.conditions();
    conditions.zoomRectangle = ready;
    m_screen.change(Screen::ZoomArmed, conditions);
}

void ZoomSelection::press(QPoint at)
{
    m_state.ZoomDragging = true;
    m_state.ZoomStart = at;
    setRectangleReady(false);
}

void ZoomSelection::move(QPoint at)
{
    if (!m_state.ZoomDragging)
        return;
    m_state.ZoomEnd = at;
    // The picture goes down first, so only the latest rectangle shows.
    m_canvas.drawCleanPicture();
    drawDottedRectangle(m_canvas.surface(), m_state.ZoomStart, m_state.ZoomEnd);
    m_canvas.changed();
}

void ZoomSelection::release(QPoint at)
{
    if (!m_state.ZoomDragging)
        return;
    m_state.ZoomEnd = at;
    m_state.ZoomDragging = false;
    if (m_state.ZoomStart.x() == m_state.ZoomEnd.x() || m_state.ZoomStart.y() == m_state.ZoomEnd.y())
        return;
    setRectangleReady(true);
    guide(w.guidanceLabel, CreationText::ZoomReady);
}

bool ZoomSelection::zoomTo(const QRect &selection)
{
    m_state.ZoomStart = selection.topLeft();
    m_state.ZoomEnd = selection.topLeft() + QPoint(selection.width(), selection.height());
    return apply();
}

bool ZoomSelection::apply()
{
    if (!m_state.SourcePicture.isLoaded()) {
        refuse(CreationText::ZoomWithoutPicture);
        return false;
    }
    const ZoomCrop zoom = zoomCrop(m_state.ZoomStart, m_state.ZoomEnd, m_state.SourcePicture.pixels.size());
    if (zoom.crop.isEmpty() || zoom.display.isEmpty()) {
        refuse(CreationText::ZoomTooSmall);
        return false;
    }
    // A rectangle dragged far past the box on a big photo would ask for more pixels than any
    // picture the game loads.
    if (qint64(zoom.crop.width()) * zoom.crop.height() > JpegCodec::MaxPixels) {
        refuse(CreationText::ZoomTooLarge);
        return false;
    }
    // Only the part of the crop that lies on the picture is read; the rest stays white.
    QImage cropped = cutOutPart(m_state.SourcePicture.pixels, zoom.crop);
    if (cropped.isNull()) {
        refuse(CreationText::ZoomTooLarge);
        return false;
    }
    m_state.SourcePicture.release();
    m_state.SourcePicture.pixels = std::move(cropped);
    m_state.SourcePicture.kind = WorkingPicture::Bitmap;
    m_shown.DisplayWidth = zoom.display.width();
    m_shown.DisplayHeight = zoom.display.height();

    m_canvas.clear();
    m_canvas.showSourcePicture();
    m_canvas.changed();

    // The zoom is offered once per face creation.
    m_state.CurrentPart = 0;
    ScreenConditions conditions = m_screen.conditions();
    conditions.zoomOffered = false;
    m_screen.change(m_state.allOutlined() ? Screen::FaceRegister : Screen::FaceCreate, conditions);
    setTitlesEnabled(true);
    guide(w.guidanceLabel, CreationText::Outlining);
    return true;
}

void ZoomSelection::refuse(const QString &why)
{
    // The automatic outlines zoom without the armed screen; only a dragged rectangle is taken back.
    if (m_screen.screen() == Screen::ZoomArmed)
        setRectangleReady(false);
    guide(w.guidanceLabel, why);
}

void ZoomSelection::end()
{
    m_state.ZoomDragging = false;
    setTitlesEnabled(true);
}

void ZoomSelection::setTitlesEnabled(bool enabled)
{
    for (int k = 1; k <= 4; ++k)
        w.parts.title(k)->setEnabled(enabled);
}
