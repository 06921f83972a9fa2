#include "platform/widgets/DragController.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>

namespace {

// The topmost visible, enabled widget at `pos` (in `parent`'s coordinates) among `parent`'s
// descendants, else `parent`. A disabled widget is left out with all it holds, so the widget
// that lies under it is found, not its parent.
QWidget *enabledWidgetAt(QWidget *parent, QPoint pos)
{
    const QObjectList &children = parent->children(); // back to front
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if (!(*it)->isWidgetType())
            continue;
        auto *child = static_cast<QWidget *>(*it);
        if (child->isWindow() || !child->isVisible() || !child->isEnabled()
            || child->testAttribute(Qt::WA_TransparentForMouseEvents) || !child->geometry().contains(pos))
            continue;
        const QPoint local = pos - child->pos();
        if (!child->mask().isEmpty() && !child->mask().contains(local))
            continue;
        return enabledWidgetAt(child, local);
    }
    return parent;
}

} // namespace

DragController::DragController(QWidget *window) : m_window(window) {}

DragController::~DragController()
{
    if (m_dragging)
        finish();
}

void DragController::addTarget(QWidget *widget, DragOver dragOver, Drop drop)
{
    if (!widget)
        return;
    // Keyed by address: forget the widget when it goes, before another can take its address.
    if (!m_targets.contains(widget))
        connect(widget, &QObject::destroyed, this, [this, widget] { m_targets.remove(widget); });
    m_targets.insert(widget, Target{std::move(dragOver), std::move(drop)});
}

void DragController::setBackground(QWidget *widget)
{
    m_background = widget;
}

void DragController::begin(QWidget *source, const QCursor &dragCursor)
{
    if (m_dragging)
        finish();
    m_dragging = true;
    ++m_dragSerial;
    m_source = source;
    m_under = source; // the press was on it
    m_dragCursor = dragCursor;
    if (m_window) {
        m_windowHadCursor = m_window->testAttribute(Qt::WA_SetCursor);
        m_windowCursor = m_window->cursor();
        // The press's own grab ends when its widget is hidden (a part vanishes in blind play),
        // and the toolkit then drops the moves and the release; the window holds the mouse instead.
        m_window->grabMouse();
    }
    QCoreApplication::instance()->installEventFilter(this);
    showCursor(m_targets.contains(source));
}

bool DragController::isDragging() const
{
    return m_dragging;
}

void DragController::setEndedWithoutDrop(std::function<void()> handler)
{
    m_endedWithoutDrop = std::move(handler);
}

void DragController::move(QPoint global)
{
    if (m_dragging)
        track(global);
}

void DragController::release(QPoint global, Qt::MouseButton button)
{
    if (!m_dragging || (button != Qt::LeftButton && button != Qt::RightButton))
        return;
    const quint64 serial = m_dragSerial;
    const bool accepted = track(global);
    if (!m_dragging || serial != m_dragSerial)
        return; // a drag-over handler ended it
    QWidget *target = m_under;
    if (!accepted || !target) {
        endWithoutDrop();
        return;
    }
    const Drop drop = m_targets.value(target).drop;
    const QPoint local = target->mapFromGlobal(global);
    finish();
    if (drop)
        drop(local, global);
}

void DragController::cancel()
{
    if (m_dragging)
        endWithoutDrop();
}

Qt::CursorShape DragController::shownCursorShape() const
{
    if (!m_dragging)
        return Qt::ArrowCursor;
    return m_showsDragCursor ? m_dragCursor.shape() : Qt::ForbiddenCursor;
}

QWidget *DragController::widgetAt(QPoint global) const
{
    // The frame and the menu bar are the window's as much as its client area is: leaving the
    // window across them is leaving it across the background.
    if (!m_window || !m_window->isVisible() || !m_window->frameGeometry().contains(global))
        return nullptr;
    const QPoint inWindow = m_window->mapFromGlobal(global);
    QWidget *widget = m_window->rect().contains(inWindow) ? enabledWidgetAt(m_window, inWindow) : m_window.data();
    if (widget == m_window || isInMenuBar(widget))
        return background();
    return widget;
}

QWidget *DragController::background() const
{
    if (m_background && m_background->isVisible() && m_background->isEnabled())
        return m_background;
    return m_window;
}

bool DragController::isInMenuBar(const QWidget *widget) const
{
    const auto *mainWindow = qobject_cast<const QMainWindow *>(m_window.data());
    const QWidget *bar = mainWindow ? mainWindow->menuWidget() : nullptr;
    return bar && (widget == bar || bar->isAncestorOf(widget));
}

std::optional<bool> DragController::ask(QWidget *widget, QPoint global) const
{
    const auto found = m_targets.constFind(widget);
    if (found == m_targets.cend())
        return std::nullopt;
    // A copy: the handler may register targets and so move the stored one.
    const DragOver dragOver = found->dragOver;
    return dragOver && dragOver(widget->mapFromGlobal(global), global);
}

bool DragController::track(QPoint global)
{
    const quint64 serial = m_dragSerial;
    QWidget *under = widgetAt(global);
    if (under != m_under) {
        const QPointer<QWidget> leaving = m_under;
        m_under = under;
        if (leaving)
            ask(leaving, global); // told once more as the pointer leaves; its answer no longer counts
        if (!m_dragging || serial != m_dragSerial)
            return false;
    }
    bool accepted = false;
    if (m_under)
        accepted = ask(m_under, global).value_or(false);
    if (!m_dragging || serial != m_dragSerial)
        return false;
    showCursor(accepted && m_under);
    return accepted && m_under;
}

void DragController::showCursor(bool accepted)
{
    m_showsDragCursor = accepted;
    // The window holds the mouse grab, so its cursor is the one on screen.
    if (m_window)
        m_window->setCursor(accepted ? m_dragCursor : QCursor(Qt::ForbiddenCursor));
}

void DragController::finish()
{
    m_dragging = false;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    if (m_window) {
        if (QWidget::mouseGrabber() == m_window)
            m_window->releaseMouse();
        if (m_windowHadCursor)
            m_window->setCursor(m_windowCursor);
        else
            m_window->unsetCursor();
    }
    m_source = nullptr;
    m_under = nullptr;
    m_showsDragCursor = false;
}

void DragController::endWithoutDrop()
{
    finish();
    const auto handler = m_endedWithoutDrop; // the handler may replace itself
    if (handler)
        handler();
}

bool DragController::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_dragging)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        // The window's own copy of the event is left alone: Qt keeps its grab bookkeeping
        // there, and the copy for the widget follows.
        if (!watched->isWidgetType())
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (event->type() == QEvent::MouseMove)
            move(global);
        else if (event->type() == QEvent::MouseButtonRelease)
            release(global, mouse->button());
        return true;
    }
    case QEvent::ShortcutOverride:
        // Keeps a shortcut on Escape from taking the key away from the drag.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            cancel();
            return true;
        }
        return false;
    case QEvent::WindowDeactivate:
        if (watched == m_window)
            cancel();
        return false;
    case QEvent::ApplicationDeactivate:
        cancel();
        return false;
    case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent *>(event)->applicationState() != Qt::ApplicationActive)
            cancel();
        return false;
    default:
        return false;
    }
}
