// The EXIF orientation reader, which turns a chosen photo upright, on any bytes: one of the
// eight orientations or none, read from the header alone.

#include "FuzzInput.h"

#include "platform/JpegOrientation.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdlib>

namespace {

QImageIOHandler::Transformations orientationOf(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return jpegOrientation(buffer);
}

} // namespace

// Qt finds its JPEG reader, a plugin, through the application.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImageIOHandler::Transformations orientation = orientationOf(fuzzBytes(data, size));
    if (int(orientation) < 0 || int(orientation) > 7)
        std::abort();
    return 0;
}
