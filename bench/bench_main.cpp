// Benchmarks of the file work the game does while the player waits: reading the index at
// start-up and decoding face pictures. Each is quoted as a ratio against a baseline measured
// in the same run on the same machine, so the figures compare across machines.

#include "bench_landmarks.h"
#include "creation_bench.h"
#include "library/LibraryIndex.h"
#include "platform/JpegCodec.h"
#include "platform/ProfileFile.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

// The best of several runs, in microseconds, to keep scheduler noise out.
double bestMicroseconds(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1000.0);
    }
    return best;
}

void report(const char *what, double measured, const char *baseline, double base)
{
    std::printf("%-44s %10.1f us   %5.2f x %s (%.1f us)\n", what, measured, measured / base, baseline, base);
}

QImage facePicture()
{
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(QColor(240, 220, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(i * 9, 160, 200));
        painter.drawEllipse(QPoint(20 + i * 7, 30 + (i * 37) % 240), 25, 18);
    }
    return image;
}

void benchIndex(const QString &appDir, int faces)
{
    QDir(appDir).mkpath(QStringLiteral("data"));
    QByteArray text = "[faces]\r\ncount=" + QByteArray::number(faces) + "\r\n";
    for (int n = 0; n < faces; ++n) {
        text += "[" + QByteArray::number(n) + "]\r\nName=face" + QByteArray::number(n) + "\r\n";
        for (const char *key : {"X1", "X2", "X3", "X4", "Y1", "Y2", "Y3", "Y4"})
            text += QByteArray(key) + "=" + QByteArray::number(n % 300) + "\r\n";
    }
    QFile file(appDir + QStringLiteral("data/facedata.ini"));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();

    const double load = bestMicroseconds(5, [&] { loadLibraryIndex(appDir, 12500); });
    // Baseline: reading the same file and splitting it into lines, the least any loader must do.
    const double lines = bestMicroseconds(5, [&] {
        QFile in(appDir + QStringLiteral("data/facedata.ini"));
        in.open(QIODevice::ReadOnly);
        volatile qsizetype count = in.readAll().split('\n').size();
        (void)count;
    });
    const QByteArray label = "load index of " + QByteArray::number(faces) + " faces";
    report(label.constData(), load, "reading its lines", lines);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--load-peak")
        return reportLoadPeak(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');

    benchIndex(appDir, 100);
    benchIndex(appDir, 2000);

    const QImage picture = facePicture();
    const QByteArray jpeg = JpegCodec::encode(picture);
    const double decode = bestMicroseconds(50, [&] { JpegCodec::decode(jpeg, QStringLiteral("face.jpg")); });
    // Baseline: Qt's own JPEG reader on the same bytes.
    const double qtDecode = bestMicroseconds(50, [&] {
        QBuffer buffer;
        buffer.setData(jpeg);
        QImageReader reader(&buffer, "jpeg");
        reader.read();
    });
    report("decode a 300x300 face picture", decode, "Qt's JPEG reader", qtDecode);

    const double encode = bestMicroseconds(50, [&] { JpegCodec::encode(picture); });
    const double qtEncode = bestMicroseconds(50, [&] {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "jpeg", 90);
    });
    report("encode a 300x300 work at quality 90", encode, "Qt's JPEG writer", qtEncode);

    benchFaceCreation(appDir, QCoreApplication::applicationFilePath());
    benchLandmarks(QStringLiteral(PETARA_DATA_DIR));
    return 0;
}
