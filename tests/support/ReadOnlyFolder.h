#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes a folder refuse new and replaced files while it lives: by its permissions, or, for
// root, whom permissions do not bind, by the file system's immutable flag.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString path) : m_path(std::move(path))
    {
        const QByteArray native = QFile::encodeName(m_path);
        if (geteuid() != 0) {
            m_changedMode = chmod(native.constData(), 0555) == 0;
            return;
        }
        m_fd = open(native.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (m_fd >= 0 && ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_immutable = ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }

    ~ReadOnlyFolder()
    {
        const QByteArray native = QFile::encodeName(m_path);
        if (m_changedMode)
            chmod(native.constData(), 0755);
        if (m_immutable) {
            int flags = 0;
            if (ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
            }
        }
        if (m_fd >= 0)
            close(m_fd);
    }

    // Whether a new file really cannot be made there now.
    bool binds() const
    {
        QFile probe(m_path + QStringLiteral("/probe.tmp"));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    QString m_path;
    int m_fd = -1;
    bool m_changedMode = false;
    bool m_immutable = false;
};
