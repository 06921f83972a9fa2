#pragma once

#include "platform/pictures/JpegCodec.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QtEndian>

// Picture files as cameras and damaged disks leave them, made in memory.
namespace PhotoFiles {

// Four flat quadrants, red and green above, blue and yellow below: which way up a picture
// stands shows at a glance.
inline QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           y < height / 2 ? (x < width / 2 ? qRgb(230, 20, 20) : qRgb(20, 230, 20))
                                          : (x < width / 2 ? qRgb(20, 20, 230) : qRgb(230, 230, 20)));
    }
    return image;
}

// The pixels a camera stores for `upright` when it records EXIF orientation o: stored (x, y)
// is shown at (u, v), from where the tag puts the stored 0th row and 0th column.
inline QImage storedFor(const QImage &upright, int o)
{
    const int W = upright.width();
    const int H = upright.height();
    const bool turned = o >= 5;
    QImage stored(turned ? H : W, turned ? W : H, QImage::Format_RGB32);
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            const QPoint shown[] = {{x, y}, {W - 1 - x, y}, {W - 1 - x, H - 1 - y}, {x, H - 1 - y},
                                    {y, x}, {W - 1 - y, x}, {W - 1 - y, H - 1 - x}, {y, H - 1 - x}};
            stored.setPixel(x, y, upright.pixel(shown[o - 1]));
        }
    }
    return stored;
}

// An EXIF block (APP1 payload) holding only the orientation, in Motorola or Intel byte order.
inline QByteArray exifWithOrientation(int o, bool bigEndian = false)
{
    QByteArray tiff = bigEndian ? QByteArray("MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19)
                                : QByteArray("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18);
    tiff += char(o);
    tiff += QByteArray(bigEndian ? 6 : 7, '\0');
    return QByteArray("Exif\0\0", 6) + tiff;
}

// A JPEG of `stored` with an EXIF block, right after the JFIF block, that holds only the
// orientation, written by an Intel or (bigEndian) a Motorola camera.
inline QByteArray jpegWithOrientation(const QImage &stored, int o, bool bigEndian = false)
{
    QByteArray jpeg = JpegCodec::encode(stored);
    const QByteArray exif = exifWithOrientation(o, bigEndian);
    QByteArray segment("\xFF\xE1", 2);
    segment += char((exif.size() + 2) >> 8);
    segment += char((exif.size() + 2) & 0xFF);
    segment += exif;
    const int app0End = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    return jpeg.insert(app0End, segment);
}

// A JPEG whose frame header claims width × height, though its data holds a small picture.
inline QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QByteArray jpeg = JpegCodec::encode(quadrants(16, 16));
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    qToBigEndian<quint16>(height, jpeg.data() + frame + 5);
    qToBigEndian<quint16>(width, jpeg.data() + frame + 7);
    return jpeg;
}

} // namespace PhotoFiles
