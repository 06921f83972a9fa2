#pragma once

#include <sys/types.h>

// The system calls with which files are written, one virtual per call so that a test can make
// any single one fail. The base class makes the real calls; each returns what the system call
// returns and leaves errno as the call left it.
class FileSystemCalls
{
public:
    virtual ~FileSystemCalls() = default;

    virtual int open(const char *path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void *data, size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char *from, const char *to);
    virtual int unlink(const char *path);

    // The calls of the running system, shared by every writer.
    static FileSystemCalls &system();
};
