#include "platform/widgets/QtDesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtDesktop::openFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktop::openAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}
