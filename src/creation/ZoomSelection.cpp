#include "creation/ZoomSelection.h"

#include "creation/CreationCanvas.h"
#include "creation/CreationDrawing.h"
#include "creation/CreationState.h"
#include "creation/CreationTexts.h"
#include "creation/PartCutout.h"
#include "creation/ZoomCrop.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/JpegCodec.h"
#include "screen/Form1Widgets.h"
#include "screen/ModeFlags.h"
#include "screen/ShownFace.h"

namespace {
constexpr int ZoomRectangle = 6; // CurrentPart while armed: names no part, so presses never outline
}

ZoomSelection::ZoomSelection(const Form1Widgets &widgets, ModeFlags &modes, CreationState &state, ShownFace &shown,
                             CreationCanvas &canvas)
    : w(widgets), m_modes(modes), m_state(state), m_shown(shown), m_canvas(canvas)
{
}

void ZoomSelection::BtnKiritoriClick()
{
    if (m_modes.ZoomMode)
        apply();
    else
        arm();
}

void ZoomSelection::arm()
{
    m_modes.ZoomMode = true;
    m_modes.CurrentPart = ZoomRectangle;
    w.BtnKiritori->setEnabled(false);
    setTitlesEnabled(false);
}

void ZoomSelection::press(QPoint at)
{
    m_state.ZoomDragging = true;
    m_state.ZoomStart = at;
    w.BtnKiritori->setEnabled(false);
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
    w.BtnKiritori->setEnabled(true);
    w.guide(CreationText::ZoomReady);
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
    m_canvas.DrawSourcePicture();
    m_canvas.changed();

    m_modes.ZoomMode = false;
    m_modes.CurrentPart = 0;
    w.BtnKiritori->hide();
    setTitlesEnabled(true);
    w.guide(CreationText::Outlining);
    return true;
}

void ZoomSelection::refuse(const QString &why)
{
    w.BtnKiritori->setEnabled(false);
    w.guide(why);
}

void ZoomSelection::end()
{
    m_modes.ZoomMode = false;
    m_state.ZoomDragging = false;
    setTitlesEnabled(true);
}

void ZoomSelection::setTitlesEnabled(bool enabled)
{
    for (int k = 1; k <= 4; ++k)
        w.partTitle(k)->setEnabled(enabled);
}
