#include "support/SmallDisk.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(int megabytes)
{
    if (::geteuid() != 0) {
        m_problem = QStringLiteral("mounting a small disk needs root");
        return;
    }
    if (!m_mountPoint.isValid()) {
        m_problem = QStringLiteral("no temporary folder for the mount point");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(megabytes) + "m";
    if (::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", 0, options.constData()) != 0)
        m_problem = QStringLiteral("mount failed: ") + QString::fromLocal8Bit(std::strerror(errno));
}

SmallDisk::~SmallDisk()
{
    if (m_problem.isEmpty())
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

void SmallDisk::fill() const
{
    const int fd = ::open(QFile::encodeName(path() + QStringLiteral("/filler")).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const QByteArray block(4096, '\0');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    // A part of a block may still be free.
    while (::write(fd, block.constData(), 1) > 0) {
    }
    ::close(fd);
}

bool SmallDisk::makeReadOnly() const
{
    return ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
