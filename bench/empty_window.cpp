// The least a Qt program does to show a window: the yardstick for the game's start-up.
// Writes "first frame" to standard error once its window has painted for the first time.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

class FirstPaintWatch : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                std::fputs("first frame\n", stderr);
                std::fflush(stderr);
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("ペタラ　３"));
    FirstPaintWatch watch;
    label.installEventFilter(&watch);
    label.show();
    return application.exec();
}
