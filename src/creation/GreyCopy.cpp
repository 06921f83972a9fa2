#include "creation/GreyCopy.h"

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr quint32 White = 255;

// Where the block of copy pixel i starts in the region, for i = 0 .. count: block i runs from
// starts[i] to starts[i + 1], never empty.
std::vector<int> blockStarts(int count, int length, double shrink)
{
    std::vector<int> starts(size_t(count) + 1);
    for (int i = 0; i <= count; ++i)
        starts[size_t(i)] = std::min(length, int(std::floor(i * shrink)));
    for (int i = 1; i <= count; ++i)
        starts[size_t(i)] = std::max(starts[size_t(i)], starts[size_t(i) - 1] + 1);
    return starts;
}

// Rec. 601 brightness in eighths of a level, so that a block's sum stays in 32 bits.
inline quint32 brightness(QRgb p)
{
    return (77u * quint32(qRed(p)) + 150u * quint32(qGreen(p)) + 29u * quint32(qBlue(p))) >> 5;
}

} // namespace

QImage greyCopy(const QImage &picture, const QRect &region, double shrink)
{
    shrink = std::max(1.0, shrink);
    if (region.isEmpty())
        return QImage();
    const QImage source = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    const int width = int(std::ceil(region.width() / shrink));
    const int height = int(std::ceil(region.height() / shrink));
    QImage copy(width, height, QImage::Format_Grayscale8);
    const std::vector<int> columns = blockStarts(width, region.width(), shrink);
    const std::vector<int> rows = blockStarts(height, region.height(), shrink);

    std::vector<int> lines(static_cast<size_t>(height), 0);
    std::iota(lines.begin(), lines.end(), 0);
    // Rows of the copy are independent; a big photo shares them out over the cores.
    QtConcurrent::blockingMap(lines, [&](int line) {
        std::vector<quint32> sums(size_t(width), 0);
        for (int y = rows[size_t(line)]; y < rows[size_t(line) + 1]; ++y) {
            const int sourceY = region.top() + y;
            const bool rowOnPicture = sourceY >= 0 && sourceY < source.height();
            const auto *pixels = rowOnPicture ? reinterpret_cast<const QRgb *>(source.constScanLine(sourceY)) : nullptr;
            for (int i = 0; i < width; ++i) {
                quint32 sum = 0;
                for (int x = columns[size_t(i)]; x < columns[size_t(i) + 1]; ++x) {
                    const int sourceX = region.left() + x;
                    sum += rowOnPicture && sourceX >= 0 && sourceX < source.width() ? brightness(pixels[sourceX])
                                                                                    : White << 3;
                }
                sums[size_t(i)] += sum;
            }
        }
        uchar *out = copy.scanLine(line);
        const quint32 rowCount = quint32(rows[size_t(line) + 1] - rows[size_t(line)]);
        for (int i = 0; i < width; ++i) {
            const quint32 count = rowCount * quint32(columns[size_t(i) + 1] - columns[size_t(i)]) * 8u;
            out[i] = uchar((sums[size_t(i)] + count / 2) / count);
        }
    });
    return copy;
}
