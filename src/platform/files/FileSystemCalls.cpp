#include "platform/files/FileSystemCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int FileSystemCalls::open(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileSystemCalls::write(int fd, const void *data, size_t size)
{
    return ::write(fd, data, size);
}

int FileSystemCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int FileSystemCalls::close(int fd)
{
    return ::close(fd);
}

int FileSystemCalls::rename(const char *from, const char *to)
{
    return ::rename(from, to);
}

int FileSystemCalls::unlink(const char *path)
{
    return ::unlink(path);
}

FileSystemCalls &FileSystemCalls::system()
{
    static FileSystemCalls calls;
    return calls;
}
