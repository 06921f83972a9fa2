#include "creation/PartOutlining.h"

#include "creation/CreationCanvas.h"
#include "creation/CreationDrawing.h"
#include "creation/CreationState.h"
#include "creation/CreationTexts.h"
#include "creation/LandmarkOutlines.h"
#include "creation/PartCutout.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/PictureBox.h"
#include "screen/GameColours.h"
#include "screen/ScreenState.h"
#include "screen/Guidance.h"

#include <QLineEdit>
#include <QPolygon>

namespace {

const QColor ColourPickGreen(0x00, 0x80, 0x00);

bool isPart(int k)
{
    return k >= 1 && k <= 4;
}

} // namespace

PartOutlining::PartOutlining(const Widgets &widgets, ScreenState &screen, CreationState &state, CreationCanvas &canvas)
    : w(widgets), m_screen(screen), m_state(state), m_canvas(canvas)
{
}

void PartOutlining::partTitleMouseDown(int k, Qt::MouseButton button)
{
    m_state.CurrentPart = k;
    for (int i = 1; i <= 4; ++i) {
        if (i != k)
            w.parts.title(i)->setBackgroundColor(GameColour::TitleYellow);
    }
    w.outlineTitle->setBackgroundColor(GameColour::TitleYellow);
    if (button == Qt::LeftButton) {
        beginPartOutline(k);
    } else if (button == Qt::RightButton && m_state.PartOutlined[k]) {
        w.parts.title(k)->setBackgroundColor(ColourPickGreen);
        m_state.ColorPickMode = true;
    }
}

void PartOutlining::beginPartOutline(int k)
{
    endZoomOffer();
    guide(w.guidanceLabel, CreationText::Outlining);
    w.parts.title(k)->setBackgroundColor(GameColour::HintRed);
    w.parts.picture(k)->clearPicture();
    m_state.PartOutlined[k] = false;
    m_state.PartAutomatic[k] = false;
    redrawCreation(k);
    m_state.ColorPickMode = false;
}

void PartOutlining::redrawCreation(int k)
{
    guide(w.guidanceLabel, CreationText::Outlining);
    w.nameField->hide();
    // Back from the naming; a name typed there counts again only once retyped.
    ScreenConditions conditions = m_screen.conditions();
    conditions.nameAccepted = false;
    m_screen.change(Screen::FaceCreate, conditions);
    m_canvas.drawCleanPicture();
    m_canvas.fillOutlinedParts();
    m_canvas.changed();
    m_state.CurrentPart = k;
}

void PartOutlining::press(QPoint at)
{
    const int k = m_state.CurrentPart;
    if (!isPart(k))
        return;
    if (m_state.ColorPickMode)
        pickColour(k, at);
    else
        startCurve(k, at);
}

void PartOutlining::startCurve(int k, QPoint at)
{
    m_state.PartLeft[k] = m_state.PartRight[k] = at.x();
    m_state.PartTop[k] = m_state.PartBottom[k] = at.y();
    // By default the hole takes the colour where the curve began, typically the skin beside the part.
    m_state.PartColor[k] = colourAt(m_canvas.surface(), at);
    m_state.OutlineDragging = true;
    m_state.PartPoints[k] = {at};
}

void PartOutlining::pickColour(int k, QPoint at)
{
    m_state.PartColor[k] = colourAt(m_canvas.surface(), at);
    m_canvas.fillOutlinedPart(k);
    m_canvas.changed();
}

void PartOutlining::move(QPoint at)
{
    const int k = m_state.CurrentPart;
    if (!m_state.OutlineDragging || !isPart(k))
        return;
    m_state.PartPoints[k].append(at);
    m_state.PartLeft[k] = qMin(m_state.PartLeft[k], at.x());
    m_state.PartRight[k] = qMax(m_state.PartRight[k], at.x());
    m_state.PartTop[k] = qMin(m_state.PartTop[k], at.y());
    m_state.PartBottom[k] = qMax(m_state.PartBottom[k], at.y());
    m_canvas.drawCleanPicture();
    drawDottedPolyline(m_canvas.surface(), m_state.PartPoints[k]);
    m_canvas.changed();
}

void PartOutlining::release()
{
    const int k = m_state.CurrentPart;
    if (!m_state.OutlineDragging || m_state.ColorPickMode || !isPart(k))
        return;
    const bool degenerate = m_state.PartLeft[k] == m_state.PartRight[k] || m_state.PartTop[k] == m_state.PartBottom[k];
    if (!degenerate) {
        capturePart();
        m_state.CurrentPart = 0;
        for (int i = 1; i <= 4; ++i)
            w.parts.title(i)->setBackgroundColor(GameColour::TitleYellow);
    }
    m_state.OutlineDragging = false;
    checkCompletion();
}

void PartOutlining::capturePart()
{
    const int k = m_state.CurrentPart;
    // The clean picture first, so that a piece never shows another part's fill.
    m_canvas.drawCleanPicture();
    const QRect box(m_state.PartLeft[k], m_state.PartTop[k], m_state.PartRight[k] - m_state.PartLeft[k],
                    m_state.PartBottom[k] - m_state.PartTop[k]);
    PictureBox *piece = w.parts.picture(k);
    piece->clearPicture();
    piece->resize(box.size());
    piece->setPicture(cutOutPart(m_canvas.surface(), box));
    const CaptionLabel *title = w.parts.title(k);
    piece->move(title->x(), title->y() + title->height() + 5);
    piece->show();
    m_state.PartOutlined[k] = true;
    m_canvas.fillOutlinedParts();
    m_canvas.changed();
}

void PartOutlining::outlineAutomatically(const FoundParts &found)
{
    endZoomOffer();
    m_state.OutlineDragging = false;
    m_state.ColorPickMode = false;
    for (int k = 1; k <= 4; ++k) {
        const QVector<QPoint> &points = found.outlines[k];
        if (m_state.PartOutlined[k] || points.isEmpty())
            continue;
        setOutline(k, points);
        m_state.PartColor[k] = found.colours[k];
        m_state.CurrentPart = k;
        capturePart();
        m_state.PartAutomatic[k] = true;
    }
    m_state.CurrentPart = 0;
    for (int i = 1; i <= 4; ++i)
        w.parts.title(i)->setBackgroundColor(GameColour::TitleYellow);
    guide(w.guidanceLabel, CreationText::Outlining);
    checkCompletion();
}

void PartOutlining::setOutline(int k, const QVector<QPoint> &points)
{
    m_state.PartPoints[k] = points;
    const QRect box = outlineBox(points);
    m_state.PartLeft[k] = box.x();
    m_state.PartRight[k] = box.x() + box.width();
    m_state.PartTop[k] = box.y();
    m_state.PartBottom[k] = box.y() + box.height();
}

void PartOutlining::dropOutline(int k)
{
    m_state.PartOutlined[k] = false;
    m_state.PartAutomatic[k] = false;
    m_state.PartPoints[k].clear();
    w.parts.picture(k)->clearPicture();
    w.parts.picture(k)->hide();
}

void PartOutlining::dropAutomaticOutlines()
{
    for (int k = 1; k <= 4; ++k) {
        if (m_state.PartOutlined[k] && m_state.PartAutomatic[k])
            dropOutline(k);
    }
    // Back from the naming state, should the four have been outlined.
    w.nameField->hide();
    w.selectButton->setEnabled(false);
    m_canvas.drawCleanPicture();
    m_canvas.fillOutlinedParts();
    m_canvas.changed();
}

void PartOutlining::carryOutlines(const std::function<QPoint(QPoint)> &map, QSize display)
{
    const QRect picture(QPoint(0, 0), display);
    for (int k = 1; k <= 4; ++k) {
        if (!m_state.PartOutlined[k])
            continue;
        QVector<QPoint> moved;
        for (const QPoint &p : std::as_const(m_state.PartPoints[k]))
            moved.append(map(p));
        const QRect box = QPolygon(moved).boundingRect();
        if (!picture.contains(box) || box.width() < 2 || box.height() < 2) {
            dropOutline(k);
            continue;
        }
        setOutline(k, moved);
    }
    // Each piece from the new picture, once every curve has moved, so that each fill lands right.
    for (int k = 1; k <= 4; ++k) {
        if (!m_state.PartOutlined[k])
            continue;
        m_state.CurrentPart = k;
        capturePart();
    }
    m_state.CurrentPart = 0;
    m_canvas.drawCleanPicture();
    m_canvas.fillOutlinedParts();
    m_canvas.changed();
}

void PartOutlining::checkCompletion()
{
    if (!m_state.allOutlined())
        return;
    ScreenConditions conditions = m_screen.conditions();
    conditions.registerOffered = true;
    conditions.nameAccepted = false;
    m_screen.change(Screen::FaceRegister, conditions);
    guide(w.guidanceLabel, CreationText::Naming);
    w.nameField->show();
    w.nameField->setFocus();
}

void PartOutlining::endZoomOffer()
{
    ScreenConditions conditions = m_screen.conditions();
    conditions.zoomOffered = false;
    const Screen screen = m_screen.screen() == Screen::ZoomArmed ? Screen::FaceCreate : m_screen.screen();
    m_screen.change(screen, conditions);
}
