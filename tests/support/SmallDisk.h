#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted on a temporary folder, for tests of a full disk. Mounting needs root;
// when it fails, problem() says why and the test skips. Unmounted when destroyed, whatever happened.
class SmallDisk
{
public:
    explicit SmallDisk(int megabytes = 3);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    // Empty when the disk is mounted.
    QString problem() const { return m_problem; }
    QString path() const { return m_mountPoint.path(); }

    // Takes every free block, so that the next write of even one byte finds no room.
    void fill() const;
    // Remounts the disk read-only, as a folder the program may not write.
    bool makeReadOnly() const;

private:
    QTemporaryDir m_mountPoint;
    QString m_problem;
};
