#include "creation_bench.h"

#include "preview_bench.h"

#include "creation/CreationDrawing.h"
#include "creation/PictureFit.h"
#include "creation/SourcePicture.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int PhotoWidth = 6000;
constexpr int PhotoHeight = 4000;

// Something with the texture of a photo: soft light, shapes with edges, and fine grain, so the
// decoder has the kind of work a camera's file gives it.
QImage photoLikePicture()
{
    QImage image(PhotoWidth, PhotoHeight, QImage::Format_RGB32);
    std::vector<int> waveX(PhotoWidth), waveY(PhotoHeight);
    for (int x = 0; x < PhotoWidth; ++x)
        waveX[x] = int(50 * std::sin(x / 370.0));
    for (int y = 0; y < PhotoHeight; ++y)
        waveY[y] = int(40 * std::cos(y / 290.0));
    quint32 grain = 2463534242u;
    for (int y = 0; y < PhotoHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < PhotoWidth; ++x) {
            grain ^= grain << 13;
            grain ^= grain >> 17;
            grain ^= grain << 5;
            const int noise = int(grain % 49) - 24;
            const int light = 130 + waveX[x] + waveY[y] + noise;
            line[x] = qRgb(std::clamp(light + 40, 0, 255), std::clamp(light + 10, 0, 255),
                           std::clamp(light - 20, 0, 255));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv((i * 47) % 360, 120, 90 + (i * 13) % 150));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint((i * 977) % PhotoWidth, (i * 613) % PhotoHeight), 150 + (i * 31) % 400,
                            120 + (i * 17) % 300);
    }
    return image;
}

template <typename Work>
double bestMilliseconds(int runs, Work work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// A free-hand loop of 2,000 points around an eye, some of them past the box's edge.
QVector<QPoint> loopAroundAnEye()
{
    QVector<QPoint> points;
    for (int i = 0; i < 2000; ++i) {
        const double t = i * 2 * M_PI / 1000.0;
        const double wobble = 1.0 + 0.08 * std::sin(i * 0.37);
        points << QPoint(int(150 + 170 * wobble * std::cos(t)), int(110 + 60 * wobble * std::sin(t)));
    }
    return points;
}

qint64 statusKilobytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void benchLoad(const QString &path)
{
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    const double codec = bestMilliseconds(5, [&] { JpegCodec::decodeFile(path); });
    const double load = bestMilliseconds(5, [&] { PictureFile::load(path); });
    if (djpeg.isEmpty()) {
        std::printf("load 24 MP photo: JpegCodec %.1f ms, PictureFile %.1f ms (djpeg not installed)\n", codec, load);
        return;
    }
    const double reference = bestMilliseconds(5, [&] {
        QProcess::execute(djpeg, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), path});
    });
    std::printf("%-44s %10.1f ms   %5.2f x djpeg (%.1f ms)\n", "load 24 MP photo through JpegCodec", codec,
                codec / reference, reference);
    std::printf("%-44s %10.1f ms   %5.2f x djpeg (%.1f ms)\n", "  and upright through PictureFile::load", load,
                load / reference, reference);
}

void benchOutlineRedraw(const QString &path)
{
    const QImage source = PictureFile::load(path);
    const QSize display = fitIntoFaceBox(source.size());
    const QVector<QPoint> points = loopAroundAnEye();
    QImage surface = blankSurface();
    std::vector<double> times;
    for (int i = 0; i < 300; ++i) {
        QElapsedTimer timer;
        timer.start();
        surface.fill(Qt::white);
        drawSourcePicture(surface, source, display);
        drawDottedPolyline(surface, points);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s %10.3f ms median, %.3f ms at the 95th percentile (goal: median under 2 ms)\n",
                "outline-drag redraw, 2,000 points", times[times.size() / 2], times[times.size() * 95 / 100]);
}

void benchPeakMemory(const QString &path, const QString &benchmarkProgram)
{
    QProcess child;
    child.start(benchmarkProgram, {QStringLiteral("--load-peak"), path});
    child.waitForFinished(120000);
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 3) {
        std::printf("peak memory: the measuring process failed\n");
        return;
    }
    const double before = figures[0].toDouble() / 1024;
    const double after = figures[1].toDouble() / 1024;
    const double pixels = figures[2].toDouble() / (1024 * 1024);
    std::printf("%-44s %10.1f MB   %5.2f x its decoded pixels (%.1f MB); %.1f MB before loading\n",
                "peak memory growth with the photo loaded", after - before, (after - before) / pixels, pixels, before);
}

} // namespace

void benchFaceCreation(const QString &folder, const QString &benchmarkProgram)
{
    const QString path = folder + QStringLiteral("photo24mp.jpg");
    JpegCodec::encodeFile(photoLikePicture(), path);
    std::printf("24 MP photo: %d x %d, %.1f MB of JPEG\n", PhotoWidth, PhotoHeight,
                QFile(path).size() / (1024.0 * 1024.0));
    benchLoad(path);
    benchPreview(path);
    benchOutlineRedraw(path);
    benchPeakMemory(path, benchmarkProgram);
}

int reportLoadPeak(const QString &path)
{
    const qint64 before = statusKilobytes("VmHWM:");
    const QImage picture = PictureFile::load(path);
    const qint64 after = statusKilobytes("VmHWM:");
    std::printf("%lld %lld %lld\n", before, after, qint64(picture.sizeInBytes()));
    return picture.isNull() ? 1 : 0;
}
