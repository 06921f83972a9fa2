#include "creation/CreationCanvas.h"

#include "creation/CreationState.h"
#include "creation/PartCutout.h"
#include "creation/SourcePicture.h"
#include "platform/widgets/PictureBox.h"
#include "screen/ShownFace.h"

CreationCanvas::CreationCanvas(PictureBox &image1, CreationState &state, ShownFace &shown)
    : m_image1(image1), m_state(state), m_shown(shown)
{
}

QImage &CreationCanvas::surface()
{
    const QImage &picture = m_image1.picture();
    if (picture.size() != QSize(300, 300) || picture.format() != QImage::Format_RGB32)
        m_image1.setPicture(blankSurface());
    return m_image1.canvas();
}

void CreationCanvas::clear()
{
    m_image1.setPicture(blankSurface());
}

void CreationCanvas::showSourcePicture()
{
    if (!m_state.SourcePicture.isLoaded())
        return;
    drawSourcePicture(surface(), m_state.SourcePicture.pixels, QSize(m_shown.DisplayWidth, m_shown.DisplayHeight));
}

void CreationCanvas::drawCleanPicture()
{
    surface().fill(Qt::white);
    showSourcePicture();
}

void CreationCanvas::fillOutlinedPart(int i)
{
    fillPart(surface(), m_state.PartPoints[i], m_state.PartColor[i]);
}

void CreationCanvas::fillOutlinedParts()
{
    for (int i = 1; i <= 4; ++i) {
        if (m_state.PartOutlined[i])
            fillOutlinedPart(i);
    }
}

void CreationCanvas::changed()
{
    m_image1.canvasChanged();
}
