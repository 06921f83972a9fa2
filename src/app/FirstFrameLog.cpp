#include "app/FirstFrameLog.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>
#include <QWidget>

Q_LOGGING_CATEGORY(lcStartup, "petara.startup", QtWarningMsg)

namespace {

class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Logged once the paint has gone out to the screen, after this event is done.
            QTimer::singleShot(0, this, [this] {
                qCInfo(lcStartup, "first frame");
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void logFirstFrame(QWidget &window)
{
    if (lcStartup().isInfoEnabled())
        new FirstPaintWatch(window);
}
