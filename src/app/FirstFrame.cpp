#include "app/FirstFrame.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>

Q_LOGGING_CATEGORY(lcStartup, "petara.startup", QtWarningMsg)

namespace {

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget &window, std::function<void()> work) : QObject(&window), m_work(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Run once the paint has gone out to the screen, after this event is done.
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void afterFirstFrame(QWidget &window, std::function<void()> work)
{
    new FirstPaintWatch(window, std::move(work));
}

void logFirstFrame(QWidget &window)
{
    if (lcStartup().isInfoEnabled())
        afterFirstFrame(window, [] { qCInfo(lcStartup, "first frame"); });
}
