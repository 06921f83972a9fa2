// The replay reader on any bytes: every frame within the canvas it announced, or AppError.

#include "FuzzInput.h"

#include "platform/pictures/WebpAnimation.h"
#include "platform/system/AppError.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        WebpAnimationReader reader(fuzzBytes(data, size));
        const QSize canvas = reader.size();
        if (canvas.isEmpty() || canvas.width() > 4096 || canvas.height() > 4096 || reader.frameCount() < 1
            || reader.frameCount() > 20000)
            std::abort();
        QImage frame;
        int endMs = 0;
        int frames = 0;
        while (reader.next(frame, endMs)) {
            if (frame.size() != canvas || frame.format() != QImage::Format_ARGB32_Premultiplied
                || ++frames > reader.frameCount())
                std::abort();
        }
        // A second pass from the start, as a replay that loops plays it.
        reader.rewind();
        if (frames > 0 && !reader.next(frame, endMs))
            std::abort();
    } catch (const AppError &) {
    }
    return 0;
}
