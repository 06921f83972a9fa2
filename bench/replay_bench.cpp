#include "replay_bench.h"

#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/WebpAnimation.h"

#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr QSize CanvasSize(530, 380);
constexpr int FramesPerSecond = 15;
constexpr int Frames = 15 * FramesPerSecond;

double processCpuMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A still face with much detail, a part of 60 × 60 pixels dragged across it and the status
// line at the bottom, whose text changes every frame: what a replay of a game shows.
std::vector<QImage> replayFrames()
{
    QImage face(CanvasSize, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x)
            face.setPixel(x, y, qRgb(200 + x % 40, 180 + x * y % 50, 150 + y % 60));
    }
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 30; ++i) {
        painter.setBrush(QColor::fromHsv(i * 12, 150, 200));
        painter.drawEllipse(QPoint(30 + i * 16, 40 + i * 53 % 280), 28, 20);
    }
    painter.end();

    std::vector<QImage> frames;
    const int statusTop = CanvasSize.height() - 24;
    for (int i = 0; i < Frames; ++i) {
        QImage frame = face;
        QPainter p(&frame);
        const double along = i / double(Frames - 1);
        p.fillRect(int(470 * along), int((statusTop - 60) * along), 60, 60, QColor::fromHsv(i * 7 % 360, 220, 230));
        p.fillRect(0, statusTop, CanvasSize.width(), 24, QColor(30, 30, 60));
        p.setPen(Qt::white);
        p.drawText(
            QRect(8, statusTop, CanvasSize.width() - 16, 24), Qt::AlignVCenter,
            QStringLiteral("のこり %1 秒　得点 %2").arg((Frames - i) / double(FramesPerSecond), 0, 'f', 2).arg(i * 3));
        frames.push_back(frame);
    }
    return frames;
}

int timestampOf(int frame)
{
    return frame * 1000 / FramesPerSecond;
}

} // namespace

void benchReplay()
{
    const std::vector<QImage> frames = replayFrames();

    QElapsedTimer timer;
    timer.start();
    double cpuStart = processCpuMilliseconds();
    WebpAnimationWriter writer(CanvasSize);
    for (int i = 0; i < Frames; ++i)
        writer.addFrame(frames[size_t(i)], timestampOf(i));
    const QByteArray replay = writer.finish(timestampOf(Frames));
    const double write = timer.nsecsElapsed() / 1e6;
    const double writeCpu = processCpuMilliseconds() - cpuStart;

    timer.restart();
    qint64 jpegBytes = 0;
    for (const QImage &frame : frames)
        jpegBytes += JpegCodec::encode(frame).size();
    const double jpeg = timer.nsecsElapsed() / 1e6;

    timer.restart();
    cpuStart = processCpuMilliseconds();
    WebpAnimationReader reader(replay);
    QImage frame;
    int endMs = 0;
    int read = 0;
    while (reader.next(frame, endMs))
        ++read;
    const double decode = timer.nsecsElapsed() / 1e6;
    const double decodeCpu = processCpuMilliseconds() - cpuStart;

    std::printf("%-44s %10.1f ms   %5.2f x a JPEG per frame (%.1f ms); processor %.1f ms; %.0f kB against %.0f kB;"
                " goal: under 2000 ms and 2048 kB\n",
                "write a replay of 225 frames of 530x380", write, write / jpeg, jpeg, writeCpu, replay.size() / 1024.0,
                jpegBytes / 1024.0);
    std::printf("%-44s %10.1f ms   %d frames; processor %.1f ms\n", "read the replay back", decode, read, decodeCpu);
}
