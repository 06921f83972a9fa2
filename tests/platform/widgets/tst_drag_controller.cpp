#include "platform/widgets/DragController.h"
#include "platform/widgets/GlobalCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A part picture: starts a drag from its press, as the game's parts do, and counts the mouse
// events that reach it.
class PressSource : public QWidget
{
public:
    using QWidget::QWidget;
    std::function<void()> onPress;
    int moves = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        if (onPress)
            onPress();
    }
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

struct Call
{
    QString kind; // "over" or "drop"
    QString widget;
    QPoint local;
    QPoint global;
    bool dragging = false;
};

} // namespace

// The drag protocol: who is asked while the pointer travels, where the drop goes, how a drag
// ends without one, and what the pointer shows; and the application-wide cursor.
class TestDragController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dropDeliversPositionsAfterTheDragIsOver();
    void leavingWidgetIsAskedOnceMoreAtTheNewPosition();
    void endsWithoutDrop_data();
    void endsWithoutDrop();
    void disabledWidgetPassesTheDropToWhatLiesUnder();
    void hiddenWidgetIsNeverATarget();
    void windowFrameIsTheBackground();
    void onlyLeftAndRightReleasesEndTheDrag_data();
    void onlyLeftAndRightReleasesEndTheDrag();
    void cursorShowsWhetherTheDropWouldBeTaken();
    void sourceSeesNoPointerEventsWhileDragging();
    void pointerThroughTheWindowDropsOnceAndFreesTheGrab();
    void handlersMayStartTheNextDrag();
    void deletedTargetIsForgotten();
    void globalCursorReplacesAndResets();

private:
    void watch(QWidget *widget, const QString &name);
    void press(Qt::MouseButton button = Qt::LeftButton);
    QPoint outside() const { return m_client->mapToGlobal(QPoint(450, 100)); }
    QStringList trail() const;

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<DragController> m_drag;
    QWidget *m_client = nullptr;
    PressSource *m_source = nullptr;
    QWidget *m_a = nullptr;
    QCheckBox *m_refusing = nullptr;
    QPushButton *m_disabled = nullptr;
    QWidget *m_hidden = nullptr;
    QHash<QString, bool> m_accepts;
    QList<Call> m_calls;
    int m_endedWithoutDrop = 0;
};

void TestDragController::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
    m_calls.clear();
    m_accepts.clear();
    m_endedWithoutDrop = 0;

    m_window = std::make_unique<QWidget>();
    m_window->setGeometry(100, 80, 400, 300);
    m_client = new QWidget(m_window.get());
    m_client->setGeometry(0, 0, 400, 300);
    m_source = new PressSource(m_client);
    m_source->setGeometry(10, 10, 50, 50);
    m_a = new QWidget(m_client);
    m_a->setGeometry(100, 10, 80, 60);
    m_refusing = new QCheckBox(QStringLiteral("box"), m_client);
    m_refusing->setGeometry(200, 10, 80, 30);
    m_disabled = new QPushButton(QStringLiteral("button"), m_client);
    m_disabled->setGeometry(100, 150, 80, 30);
    m_disabled->setEnabled(false);
    m_hidden = new QWidget(m_client);
    m_hidden->setGeometry(200, 150, 80, 60);
    m_hidden->hide();

    m_drag = std::make_unique<DragController>(m_window.get());
    watch(m_client, QStringLiteral("background"));
    watch(m_source, QStringLiteral("source"));
    watch(m_a, QStringLiteral("A"));
    watch(m_disabled, QStringLiteral("button"));
    watch(m_hidden, QStringLiteral("hidden"));
    m_drag->setEndedWithoutDrop([this] { ++m_endedWithoutDrop; });
    m_source->onPress = [this] { m_drag->begin(m_source, QCursor(Qt::DragMoveCursor)); };

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestDragController::cleanup()
{
    // QTest remembers held buttons across tests; let go of them while the window still exists.
    if (m_source) {
        QTest::mouseRelease(m_source, Qt::LeftButton);
        QTest::mouseRelease(m_source, Qt::RightButton);
    }
    m_drag.reset();
    m_window.reset();
    m_source = nullptr;
    GlobalCursor::reset();
}

void TestDragController::watch(QWidget *widget, const QString &name)
{
    m_drag->addTarget(
        widget,
        [this, name](QPoint local, QPoint global) {
            m_calls.append({QStringLiteral("over"), name, local, global, m_drag->isDragging()});
            return m_accepts.value(name, true);
        },
        [this, name](QPoint local, QPoint global) {
            m_calls.append({QStringLiteral("drop"), name, local, global, m_drag->isDragging()});
        });
}

void TestDragController::press(Qt::MouseButton button)
{
    QTest::mousePress(m_source, button, {}, QPoint(5, 5));
    QVERIFY(m_drag->isDragging());
}

QStringList TestDragController::trail() const
{
    QStringList result;
    for (const Call &call : m_calls)
        result.append(call.kind + QLatin1Char(' ') + call.widget);
    return result;
}

void TestDragController::dropDeliversPositionsAfterTheDragIsOver()
{
    press();
    QTest::mouseMove(m_a, QPoint(30, 20));
    // The grab sends the release to the source; the point decides where it lands.
    const QPoint global = m_a->mapToGlobal(QPoint(31, 22));
    QTest::mouseRelease(m_source, Qt::LeftButton, {}, m_source->mapFromGlobal(global));

    // The source, which the pointer leaves first, is a target too.
    QCOMPARE(trail(), QStringList({u"over source"_s, u"over A"_s, u"over A"_s, u"drop A"_s}));
    QCOMPARE(m_calls[1].local, QPoint(30, 20));
    QCOMPARE(m_calls[1].global, m_a->mapToGlobal(QPoint(30, 20)));
    QVERIFY(m_calls[1].dragging);
    const Call &drop = m_calls.last();
    QCOMPARE(drop.local, QPoint(31, 22));
    QCOMPARE(drop.global, global);
    QVERIFY(!drop.dragging);
    QVERIFY(!m_drag->isDragging());
    QCOMPARE(m_endedWithoutDrop, 0);
}

void TestDragController::leavingWidgetIsAskedOnceMoreAtTheNewPosition()
{
    press();
    QTest::mouseMove(m_client, QPoint(300, 250));
    QTest::mouseMove(m_client, QPoint(310, 250)); // same widget: asked once, no leaving
    const QPoint overA = m_a->mapToGlobal(QPoint(10, 10));
    m_drag->move(overA);
    QCOMPARE(trail(), QStringList({u"over source"_s, u"over background"_s, u"over background"_s, u"over background"_s,
                                   u"over A"_s}));
    const Call &leaving = m_calls[3];
    QCOMPARE(leaving.global, overA);
    QCOMPARE(leaving.local, m_client->mapFromGlobal(overA));

    // Leaving the window straight from A tells A, and nobody else is asked.
    m_calls.clear();
    QTest::mouseMove(m_client, m_client->mapFromGlobal(outside()));
    QCOMPARE(trail(), QStringList({u"over A"_s}));
    QCOMPARE(m_calls[0].global, outside());
    QCOMPARE(m_calls[0].local, m_a->mapFromGlobal(outside()));
    QVERIFY(m_drag->isDragging());
}

void TestDragController::endsWithoutDrop_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("ends");
    QTest::newRow("release over a widget with no drag-over") << "refusing" << true;
    QTest::newRow("release over a target that refuses") << "A refuses" << true;
    QTest::newRow("release outside the window") << "outside" << true;
    QTest::newRow("Escape") << "escape" << true;
    QTest::newRow("window deactivated") << "window" << true;
    QTest::newRow("application deactivated") << "application" << true;
    QTest::newRow("application inactive") << "state" << true;
    QTest::newRow("another window deactivated") << "other window" << false;
    QTest::newRow("another key") << "key" << false;
}

void TestDragController::endsWithoutDrop()
{
    QFETCH(QString, gesture);
    QFETCH(bool, ends);
    press();
    if (gesture == u"refusing") {
        QTest::mouseMove(m_refusing, QPoint(5, 5));
        QTest::mouseRelease(m_refusing, Qt::LeftButton, {}, QPoint(5, 5));
    } else if (gesture == u"A refuses") {
        m_accepts.insert(QStringLiteral("A"), false);
        QTest::mouseRelease(m_a, Qt::LeftButton, {}, QPoint(5, 5));
    } else if (gesture == u"outside") {
        QTest::mouseRelease(m_client, Qt::LeftButton, {}, m_client->mapFromGlobal(outside()));
    } else if (gesture == u"escape") {
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
    } else if (gesture == u"window") {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(m_window.get(), &deactivate);
    } else if (gesture == u"application") {
        QEvent deactivate(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(qApp, &deactivate);
    } else if (gesture == u"state") {
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(qApp, &inactive);
    } else if (gesture == u"other window") {
        QWidget other;
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&other, &deactivate);
    } else if (gesture == u"key") {
        QTest::keyClick(m_window.get(), Qt::Key_A);
    }
    QCOMPARE(m_drag->isDragging(), !ends);
    QCOMPARE(m_endedWithoutDrop, ends ? 1 : 0);
    QVERIFY(!trail().join(u',').contains(QStringLiteral("drop")));
    // Nothing more happens on a later release or cancel once the drag is over.
    QTest::mouseRelease(m_client, Qt::LeftButton, {}, m_client->mapFromGlobal(outside()));
    m_drag->cancel();
    QCOMPARE(m_endedWithoutDrop, 1);
}

void TestDragController::disabledWidgetPassesTheDropToWhatLiesUnder()
{
    press();
    const QPoint global = m_disabled->mapToGlobal(QPoint(8, 6));
    QTest::mouseMove(m_disabled, QPoint(8, 6));
    QTest::mouseRelease(m_disabled, Qt::LeftButton, {}, QPoint(8, 6));
    QCOMPARE(trail(),
             QStringList({u"over source"_s, u"over background"_s, u"over background"_s, u"drop background"_s}));
    QCOMPARE(m_calls.last().local, m_client->mapFromGlobal(global));
    QCOMPARE(m_calls.last().global, global);

    // Over another target, the drop goes to that target, not to the button's parent.
    m_calls.clear();
    m_disabled->move(m_a->pos() + QPoint(10, 10));
    press();
    QTest::mouseRelease(m_disabled, Qt::LeftButton, {}, QPoint(8, 6));
    QCOMPARE(trail(), QStringList({QStringLiteral("over source"), QStringLiteral("over A"), QStringLiteral("drop A")}));
}

void TestDragController::hiddenWidgetIsNeverATarget()
{
    press();
    const QPoint global = m_hidden->mapToGlobal(QPoint(10, 10));
    m_drag->move(global);
    m_drag->release(global, Qt::LeftButton);
    QCOMPARE(trail(),
             QStringList({u"over source"_s, u"over background"_s, u"over background"_s, u"drop background"_s}));
    QCOMPARE(m_calls.last().local, m_client->mapFromGlobal(global));
}

void TestDragController::windowFrameIsTheBackground()
{
    const QRect frame = m_window->frameGeometry();
    if (frame == m_window->geometry())
        QSKIP("the window system draws no frame");
    const QPoint onFrame(frame.right(), frame.center().y());
    press();
    QTest::mouseMove(m_client, QPoint(300, 250));
    m_drag->move(onFrame);
    m_drag->move(onFrame + QPoint(0, 1));
    // Without a background the frame belongs to nobody: only the client, as it is left, hears of it.
    QCOMPARE(trail(), QStringList({QStringLiteral("over source"), QStringLiteral("over background"),
                                   QStringLiteral("over background")}));

    m_drag->setBackground(m_client);
    m_calls.clear();
    m_drag->move(onFrame + QPoint(0, 2));
    m_drag->move(onFrame + QPoint(1, 2)); // out of the window
    m_drag->release(onFrame, Qt::LeftButton);
    QCOMPARE(trail(), QStringList({QStringLiteral("over background"), QStringLiteral("over background"),
                                   QStringLiteral("over background"), QStringLiteral("drop background")}));
    QCOMPARE(m_calls[1].global, onFrame + QPoint(1, 2)); // told once more as the pointer leaves
}

void TestDragController::onlyLeftAndRightReleasesEndTheDrag_data()
{
    QTest::addColumn<Qt::MouseButton>("pressed");
    QTest::addColumn<Qt::MouseButton>("released");
    QTest::addColumn<bool>("drops");
    QTest::newRow("left, left") << Qt::LeftButton << Qt::LeftButton << true;
    QTest::newRow("right, right") << Qt::RightButton << Qt::RightButton << true;
    QTest::newRow("left, right") << Qt::LeftButton << Qt::RightButton << true;
    QTest::newRow("left, middle") << Qt::LeftButton << Qt::MiddleButton << false;
    QTest::newRow("right, back") << Qt::RightButton << Qt::BackButton << false;
}

void TestDragController::onlyLeftAndRightReleasesEndTheDrag()
{
    QFETCH(Qt::MouseButton, pressed);
    QFETCH(Qt::MouseButton, released);
    QFETCH(bool, drops);
    press(pressed);
    QTest::mouseRelease(m_a, released, {}, QPoint(7, 7));
    QCOMPARE(m_drag->isDragging(), !drops);
    QCOMPARE(trail().contains(QStringLiteral("drop A")), drops);
    QCOMPARE(m_endedWithoutDrop, 0);
}

void TestDragController::cursorShowsWhetherTheDropWouldBeTaken()
{
    // The window holds the mouse during a drag, so the window's cursor is the one shown.
    m_window->setCursor(Qt::PointingHandCursor);
    press();
    QCOMPARE(m_drag->shownCursorShape(), Qt::DragMoveCursor); // the source is a target
    QTest::mouseMove(m_refusing, QPoint(5, 5));
    QCOMPARE(m_drag->shownCursorShape(), Qt::ForbiddenCursor);
    QCOMPARE(m_window->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseMove(m_a, QPoint(5, 5));
    QCOMPARE(m_drag->shownCursorShape(), Qt::DragMoveCursor);
    QCOMPARE(m_window->cursor().shape(), Qt::DragMoveCursor);
    m_drag->move(outside());
    QCOMPARE(m_drag->shownCursorShape(), Qt::ForbiddenCursor);
    m_accepts.insert(QStringLiteral("A"), false);
    QTest::mouseMove(m_a, QPoint(6, 6));
    QCOMPARE(m_drag->shownCursorShape(), Qt::ForbiddenCursor);
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QCOMPARE(m_window->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);

    // A window with no cursor of its own goes back to having none.
    m_window->unsetCursor();
    press();
    QCOMPARE(QWidget::mouseGrabber(), m_window.get());
    QTest::mouseRelease(m_client, Qt::LeftButton, {}, QPoint(300, 250));
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(m_drag->shownCursorShape(), Qt::ArrowCursor);
}

void TestDragController::sourceSeesNoPointerEventsWhileDragging()
{
    press();
    QTest::mouseMove(m_source, QPoint(20, 20));
    QTest::mouseMove(m_source, QPoint(200, 100)); // the grab: over the background, sent to the source
    QTest::mouseRelease(m_source, Qt::LeftButton, {}, QPoint(200, 100));
    QCOMPARE(m_source->moves, 0);
    QCOMPARE(m_source->releases, 0);
    QCOMPARE(trail().last(), QStringLiteral("drop background"));
    // Once the drag is over, the events reach the widgets again.
    QTest::mousePress(m_a, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(m_source, QPoint(20, 20));
    QTest::mouseRelease(m_source, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(m_source->moves, 1);
    QCOMPARE(m_source->releases, 1);
}

void TestDragController::pointerThroughTheWindowDropsOnceAndFreesTheGrab()
{
    // Events that arrive through the window, as a real pointer's do, reach the filter twice:
    // as the window's and as the widget's. They must count once, and the window's bookkeeping
    // of the press's grab must still run.
    QWindow *window = m_window->windowHandle();
    const QPoint onSource = m_source->mapTo(m_window.get(), QPoint(5, 5));
    const QPoint onA = m_a->mapTo(m_window.get(), QPoint(12, 9));
    QTest::mousePress(window, Qt::LeftButton, {}, onSource);
    QVERIFY(m_drag->isDragging());
    QTest::mouseMove(window, onA);
    QTest::mouseRelease(window, Qt::LeftButton, {}, onA);
    QCOMPARE(trail(), QStringList({u"over source"_s, u"over A"_s, u"over A"_s, u"drop A"_s}));
    QCOMPARE(m_calls.last().local, QPoint(12, 9));
    QCOMPARE(m_source->releases, 0);
    // With the grab gone, a move over A is no longer sent to the source.
    m_source->setMouseTracking(true);
    QTest::mouseMove(window, onA + QPoint(3, 3));
    QCOMPARE(m_source->moves, 0);
    QTest::mouseMove(window, onSource);
    QCOMPARE(m_source->moves, 1);
}

void TestDragController::handlersMayStartTheNextDrag()
{
    m_drag->setEndedWithoutDrop([this] {
        ++m_endedWithoutDrop;
        m_drag->begin(m_source, QCursor(Qt::CrossCursor));
    });
    press();
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QCOMPARE(m_endedWithoutDrop, 1);
    QVERIFY(m_drag->isDragging());
    QCOMPARE(m_drag->shownCursorShape(), Qt::CrossCursor);
    // The new drag runs as any other.
    QTest::mouseRelease(m_a, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(trail().last(), QStringLiteral("drop A"));
    QVERIFY(!m_drag->isDragging());
}

void TestDragController::deletedTargetIsForgotten()
{
    press();
    const QPoint global = m_a->mapToGlobal(QPoint(10, 10));
    m_drag->move(global);
    delete m_a;
    m_a = nullptr;
    m_calls.clear();
    m_drag->move(global + QPoint(1, 1));
    m_drag->release(global, Qt::LeftButton);
    QCOMPARE(trail(), QStringList({u"over background"_s, u"over background"_s, u"drop background"_s}));
}

void TestDragController::globalCursorReplacesAndResets()
{
    QCOMPARE(GlobalCursor::current().shape(), Qt::ArrowCursor);
    GlobalCursor::set(QCursor(Qt::CrossCursor));
    GlobalCursor::set(QCursor(Qt::WaitCursor));
    QVERIFY(GlobalCursor::isSet());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QCOMPARE(GlobalCursor::current().shape(), Qt::WaitCursor);
    GlobalCursor::reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(!GlobalCursor::isSet());

    // Overrides stacked by someone else go too.
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    QGuiApplication::setOverrideCursor(QCursor(Qt::IBeamCursor));
    GlobalCursor::reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestDragController)
#include "tst_drag_controller.moc"
