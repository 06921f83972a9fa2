// The JPEG decoder on any bytes: a picture within the size limit, or AppError.

#include "FuzzInput.h"

#include "platform/system/AppError.h"
#include "platform/pictures/JpegCodec.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const QImage image = JpegCodec::decode(fuzzBytes(data, size), QStringLiteral("fuzz.jpg"));
        if (image.isNull() || image.format() != QImage::Format_RGB32
            || qint64(image.width()) * image.height() > JpegCodec::MaxPixels)
            std::abort();
    } catch (const AppError &) {
    }
    return 0;
}
