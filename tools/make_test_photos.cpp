// Writes the photographs made for trying the automatic outlines (tools/lib/TestPhotos) as JPEG
// files, with a list of how each was made.
// Usage: make_test_photos [data folder, default "data"] [output folder, default "test-photos"]

#include "lib/DrawnFaces.h"
#include "lib/TestPhotos.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString data = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
    const QDir out(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("test-photos"));
    QDir().mkpath(out.path());
    const QImage astronaut = PictureFile::load(QDir(data).filePath(QStringLiteral("face2_0.jpg")));
    for (const TestPhotos::Photo &photo :
         TestPhotos::variedPhotos(astronaut, DrawnFaces::drawOkame(), DrawnFaces::drawHyottoko())) {
        JpegCodec::encodeFile(photo.picture, out.filePath(photo.name + QStringLiteral(".jpg")));
        std::printf("%-28s %5d x %-5d %s\n", qPrintable(photo.name), photo.picture.width(), photo.picture.height(),
                    qPrintable(photo.how));
    }
    return 0;
}
