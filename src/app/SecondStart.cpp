#include "app/SecondStart.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <unistd.h>

namespace {

const QByteArray Request = QByteArrayLiteral("forward\n");
const QByteArray Answer = QByteArrayLiteral("ok\n");

} // namespace

namespace SecondStart {

QString serverName(const QString &appDir)
{
    // The same folder reached by another spelling is the same game.
    const QString canonical = QFileInfo(appDir).canonicalFilePath();
    const QByteArray folder = QFile::encodeName(canonical.isEmpty() ? QDir::cleanPath(appDir) : canonical);
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("petara3-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool askRunningCopyForward(const QString &appDir, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(appDir));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(Request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < Answer.size()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.read(Answer.size()) == Answer;
}

void bringForward(QWidget *window)
{
    if (window) {
        if (window->isMinimized())
            window->showNormal();
        else
            window->show();
        window->raise();
        window->activateWindow();
    }
    // A question or a file dialog open in the game stays above its window.
    if (QWidget *dialog = QApplication::activeModalWidget(); dialog && dialog != window) {
        dialog->raise();
        dialog->activateWindow();
    }
}

} // namespace SecondStart

SecondStartListener::SecondStartListener(QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SecondStartListener::answer);
}

bool SecondStartListener::listen(const QString &appDir)
{
    const QString name = SecondStart::serverName(appDir);
    // The folder's lock is ours, so a socket under this name is what a killed game left behind.
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void SecondStartListener::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < Request.size())
                return;
            if (socket->read(Request.size()) == Request) {
                SecondStart::bringForward(m_window);
                socket->write(Answer);
            }
            socket->disconnectFromServer();
        });
    }
}
