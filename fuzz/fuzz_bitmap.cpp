// The bitmap path of the pictures a player may choose, on any bytes: a picture within the
// size limit, or AppError.

#include "FuzzInput.h"

#include "platform/system/AppError.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    silenceQtMessages();
    try {
        const QImage image = PictureFile::decodeBitmap(fuzzBytes(data, size), QStringLiteral("fuzz.bmp"));
        if (image.isNull() || image.format() != QImage::Format_RGB32
            || qint64(image.width()) * image.height() > JpegCodec::MaxPixels)
            std::abort();
    } catch (const AppError &) {
    }
    return 0;
}
