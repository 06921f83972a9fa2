#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

// A second start of the game on a program folder hands over to the copy already running
// there: it asks that copy, through a local socket named after the folder, to bring its
// window to the front, and ends.
namespace SecondStart {

// The socket's name: one per user and program folder, so that two folders run two games.
QString serverName(const QString &appDir);

// Asks the copy running on appDir to come to the front. True once that copy has answered;
// false when none listens or it gives no answer within timeoutMs.
bool askRunningCopyForward(const QString &appDir, int timeoutMs = 2000);

// Brings the window, when there is one, and any dialog the game shows to the front, out of the
// task bar if minimised.
void bringForward(QWidget *window);

} // namespace SecondStart

// The running copy's side: answers every second start on its folder by bringing the window
// forward. Listen only while holding the folder's lock, which makes any socket left there stale.
class SecondStartListener : public QObject
{
    Q_OBJECT
public:
    explicit SecondStartListener(QObject *parent = nullptr);

    // Starts listening; false when the socket cannot be made (the game then runs without it).
    bool listen(const QString &appDir);
    // The window that comes forward. Before it is set, only a dialog the game shows (a message
    // about the program folder) comes forward.
    void setWindow(QWidget *window) { m_window = window; }

private:
    void answer();

    QLocalServer *m_server;
    QPointer<QWidget> m_window;
};
