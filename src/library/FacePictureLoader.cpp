#include "library/FacePictureLoader.h"

#include "platform/system/DpiScale.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/widgets/PictureBox.h"

#include <QPainter>

namespace FacePictureLoader {

void loadPart(PictureBox &box, const QString &path, qint64 dpiScale)
{
    const QImage picture = JpegCodec::decodeFile(path);
    box.clearPicture();
    const int width = Dpi::fileToScreen(picture.width(), dpiScale);
    const int height = Dpi::fileToScreen(picture.height(), dpiScale);
    box.resize(width, height);
    QImage bitmap(width, height, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, width, height), picture);
    painter.end();
    box.setPicture(bitmap);
}

void loadWhole(PictureBox &box, const QString &path)
{
    box.setPicture(JpegCodec::decodeFile(path));
}

} // namespace FacePictureLoader
