#pragma once

#include <QCursor>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

// Drag and drop between the widgets of one window, on plain mouse events: the drag starts at
// once on a press, follows the pointer through the press's mouse grab, asks the widget under
// the pointer whether it accepts, and drops on release. No nested event loop, so tests can
// drive it with ordinary mouse and key events or by calling move(), release() and cancel().
class DragController : public QObject
{
    Q_OBJECT
public:
    // Asked on every pointer move over a target, and once more as the pointer leaves it
    // (the answer to that last call is ignored); answers whether the target accepts.
    using DragOver = std::function<bool(QPoint local, QPoint global)>;
    // The release over an accepting target.
    using Drop = std::function<void(QPoint local, QPoint global)>;

    // Only widgets inside `window`, the top-level main window, take part. The caller owns this.
    explicit DragController(QWidget *window);
    ~DragController() override;

    // Makes `widget` a drop target; a widget that is not one refuses every drop.
    void addTarget(QWidget *widget, DragOver dragOver, Drop drop);
    // Makes `widget`, a target, the window's bare background: it also stands for every point
    // of the window's frame geometry that no child covers, the frame and the menu bar included.
    void setBackground(QWidget *widget);

    // Starts a drag at once from `source`, the widget that got the press. `dragCursor` shows
    // over accepting widgets, Qt::ForbiddenCursor elsewhere; until the pointer first moves,
    // the drag cursor shows if the source is a target. A drag still running ends silently.
    void begin(QWidget *source, const QCursor &dragCursor);
    bool isDragging() const;

    // Runs when a drag ends with no drop: Escape, a release over a refusing widget or outside
    // the window, the loss of focus.
    void setEndedWithoutDrop(std::function<void()> handler);

    // The pointer moved to `global` (screen coordinates) during a drag.
    void move(QPoint global);
    // A button was released at `global`. Only the left and right buttons end the drag; the
    // drag is over before the drop or the ended-without-drop handler runs.
    void release(QPoint global, Qt::MouseButton button);
    // Escape or loss of focus: ends a running drag with no drop.
    void cancel();

    // The shape the drag shows now: the drag cursor's over an accepting widget,
    // Qt::ForbiddenCursor elsewhere; Qt::ArrowCursor while no drag runs.
    Qt::CursorShape shownCursorShape() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Target
    {
        DragOver dragOver;
        Drop drop;
    };

    QWidget *widgetAt(QPoint global) const;
    QWidget *background() const;
    bool isInMenuBar(const QWidget *widget) const;
    std::optional<bool> ask(QWidget *widget, QPoint global) const;
    bool track(QPoint global);
    void showCursor(bool accepted);
    void finish();
    void endWithoutDrop();

    QPointer<QWidget> m_window;
    QHash<const QWidget *, Target> m_targets;
    QPointer<QWidget> m_background;
    std::function<void()> m_endedWithoutDrop;

    bool m_dragging = false;
    quint64 m_dragSerial = 0;
    QPointer<QWidget> m_source;
    QPointer<QWidget> m_under;
    QCursor m_dragCursor;
    bool m_windowHadCursor = false;
    QCursor m_windowCursor;
    bool m_showsDragCursor = false;
};
