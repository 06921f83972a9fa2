#include "app/FirstFrame.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

Q_LOGGING_CATEGORY(lcStartup, "petara.startup", QtWarningMsg)

namespace {

// One per window: the work waiting for its first frame, in the order it was asked for.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

    // The window's watch that has not run yet, made if there is none.
    static FirstPaintWatch &of(QWidget &window)
    {
        for (QObject *child : window.children()) {
            auto *watch = dynamic_cast<FirstPaintWatch *>(child);
            if (watch && !watch->m_ran)
                return *watch;
        }
        return *new FirstPaintWatch(window);
    }

    void add(std::function<void()> work) { m_work.push_back(std::move(work)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Run once the paint has gone out to the screen, after this event is done.
            QTimer::singleShot(0, this, [this] {
                // Work may ask for more work; that runs in this same turn, after it.
                while (!m_work.empty()) {
                    const std::vector<std::function<void()>> batch = std::exchange(m_work, {});
                    for (const auto &work : batch)
                        work();
                }
                m_ran = true;
                deleteLater();
            });
        }
        return false;
    }

private:
    std::vector<std::function<void()>> m_work;
    bool m_ran = false;
};

} // namespace

void afterFirstFrame(QWidget &window, std::function<void()> work)
{
    FirstPaintWatch::of(window).add(std::move(work));
}

void logFirstFrame(QWidget &window)
{
    if (lcStartup().isInfoEnabled())
        afterFirstFrame(window, [] { qCInfo(lcStartup, "first frame"); });
}
