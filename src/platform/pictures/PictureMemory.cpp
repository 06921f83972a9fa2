#include "platform/pictures/PictureMemory.h"

#include <cstdlib>
#include <sys/mman.h>

namespace {

constexpr qsizetype HugePage = 2 * 1024 * 1024;

void releasePixels(void *pixels)
{
    std::free(pixels);
}

} // namespace

QImage allocatePicture(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    const qsizetype stride = qsizetype(width) * 4;
    const qsizetype bytes = stride * height;
    if (bytes < 4 * HugePage)
        return QImage(width, height, QImage::Format_RGB32);
    const qsizetype rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *pixels = std::aligned_alloc(size_t(HugePage), size_t(rounded));
    if (!pixels)
        return QImage();
    // Only advice: where huge pages are off, the memory works the same, only slower to fill.
    madvise(pixels, size_t(rounded), MADV_HUGEPAGE);
    return QImage(static_cast<uchar *>(pixels), width, height, stride, QImage::Format_RGB32, releasePixels, pixels);
}
