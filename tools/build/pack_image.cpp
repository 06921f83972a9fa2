// Build step: packs a PNG into the raw form the program reads its built-in pictures in.
// Usage: pack_image <in.png> <out.argb>

#include "platform/pictures/PackedImage.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_image <in.png> <out.argb>\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "pack_image: cannot read %s\n", argv[1]);
        return 1;
    }
    // Written whole or not at all, so that a failed build never leaves a cut-off picture behind.
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(PackedImage::pack(image)) < 0 || !out.commit()) {
        std::fprintf(stderr, "pack_image: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
