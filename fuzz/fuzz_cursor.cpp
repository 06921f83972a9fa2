// The cursor file reader on any bytes: a picture of at most 256 × 256 with its hot spot
// inside, or nothing.

#include "FuzzInput.h"

#include "platform/pictures/CursorFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    silenceQtMessages();
    const std::optional<CursorFile::Picture> picture = CursorFile::decode(fuzzBytes(data, size));
    if (picture) {
        const QImage &image = picture->image;
        if (image.isNull() || image.width() > 256 || image.height() > 256 || !image.rect().contains(picture->hotSpot))
            std::abort();
    }
    return 0;
}
