#include "platform/JpegOrientation.h"

#include <QImageReader>

QImageIOHandler::Transformations jpegOrientation(QIODevice &device)
{
    QImageReader reader(&device, "jpeg");
    return reader.canRead() ? reader.transformation() : QImageIOHandler::TransformationNone;
}
