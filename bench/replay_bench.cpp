#include "replay_bench.h"

#include "game/GameState.h"
#include "game/ReplayMovie.h"
#include "game/ReplayPlayback.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/WebpAnimation.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/LineOverlay.h"
#include "platform/widgets/PictureBox.h"

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

namespace {

// A typical real game: four drags of four to five seconds from the tray to the face, the pointer
// reporting 60 times a second, a hint at each report, thought between the drags; 20 s in all.
BlindRecord typicalGame()
{
    BlindRecord record;
    record.trayPlaces = {QPoint(344, 32), QPoint(464, 32), QPoint(336, 136), QPoint(336, 224)};
    const QPoint targets[] = {QPoint(90, 110), QPoint(200, 110), QPoint(150, 180), QPoint(140, 260)};
    qint64 ms = 500;
    for (int k = 1; k <= 4; ++k) {
        const QPoint from = record.trayPlaces[k - 1] + QPoint(25, 20);
        const QPoint to = targets[k - 1];
        const int reports = 60 * 4 + k * 15;
        record.beginDrag(k, ms, from);
        for (int i = 1; i <= reports; ++i) {
            ms += 16;
            // A hand wanders on its way.
            const QPoint at = from + (to - from) * i / reports + QPoint(i * 7 % 23 - 11, i * 5 % 17 - 8);
            record.move(ms, at);
            const bool left = i % 40 < 20;
            record.hint(ms,
                        (left ? QStringLiteral("もっと左！") : QStringLiteral("もっと右！"))
                            + QStringLiteral("もっと下！\rコンピューター、うそつかない！？"),
                        !left, false);
        }
        record.drop(ms, to, to - QPoint(25, 20));
        ms += 600;
    }
    return record;
}

} // namespace

void benchReplayOfAGame()
{
    QWidget client;
    client.setFixedSize(560, 479);
    auto *face = new PictureBox(PictureBox::Sizing::StretchProportional, &client);
    face->setGeometry(24, 32, 300, 300);
    QImage outline(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x)
            outline.setPixel(x, y, qRgb(200 + x % 40, 170 + x * y % 50, 150 + y % 60));
    }
    face->setPicture(outline);
    auto label = [&client](QRect geometry) {
        auto *caption = new CaptionLabel(&client);
        caption->setGeometry(geometry);
        return caption;
    };
    CaptionLabel *guidance = label({24, 344, 521, 121});
    guidance->setFont(QFont(QStringLiteral("IPAPGothic"), 16, QFont::Bold));
    CaptionLabel *score = label({376, 96, 74, 36});
    CaptionLabel *review = label({336, 200, 217, 106});
    auto *lines = new LineOverlay(&client);
    lines->setGeometry(face->geometry());
    auto *replayButton = new CommandButton(&client);
    auto *doubleSpeed = new CommandButton(&client);
    replayButton->setCheckable(true);
    doubleSpeed->setCheckable(true);
    std::array<PictureBox *, 4> parts{};
    GameState state;
    state.Record = typicalGame();
    for (int k = 0; k < 4; ++k) {
        parts[size_t(k)] = new PictureBox(PictureBox::Sizing::TopLeft, &client);
        parts[size_t(k)]->setGeometry(QRect(state.Record.trayPlaces[size_t(k)], QSize(57, 41)));
        parts[size_t(k)]->setPicture(outline.copy(60 * k, 100, 57, 41));
    }
    client.show();
    ReplayPlayback replay({.client = &client,
                           .facePicture = face,
                           .guidanceLabel = guidance,
                           .scoreLabel = score,
                           .reviewLabel = review,
                           .reviewLines = lines,
                           .replayButton = replayButton,
                           .doubleSpeedButton = doubleSpeed,
                           .parts = PartTray{parts, {}}},
                          state);

    // A frame on the screen: the parts moved, the hint set, the whole window drawn. Against the
    // same window drawn with nothing changed.
    replay.toggle();
    QPixmap drawn;
    const qint64 length = replay.length();
    double worst = 0;
    double total = 0;
    int frames = 0;
    for (qint64 ms = 0; ms < length; ms += 16, ++frames) {
        QElapsedTimer timer;
        timer.start();
        replay.showMoment(ms);
        drawn = client.grab();
        const double spent = timer.nsecsElapsed() / 1e6;
        worst = std::max(worst, spent);
        total += spent;
    }
    QElapsedTimer still;
    double idle = 1e300;
    for (int i = 0; i < 50; ++i) {
        still.restart();
        drawn = client.grab();
        idle = std::min(idle, still.nsecsElapsed() / 1e6);
    }
    replay.stop();
    std::printf("%-44s %10.2f ms   %5.2f x the window drawn still (%.2f ms); worst %.2f ms of the 16.7 ms a display frame"
                " gives, %d frames\n",
                "replay frame on the screen, mean", total / frames, total / frames / idle, idle, worst, frames);

    // The kept replay of the same game, as "保存" writes it.
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = processCpuMilliseconds();
    const ReplayScript script(state.Record, ReplayMovie::pacing);
    const QByteArray movie = ReplayMovie::encode(script, replay.scene());
    const double write = timer.nsecsElapsed() / 1e6;
    const double cpu = processCpuMilliseconds() - cpuStart;
    timer.restart();
    const QByteArray work = JpegCodec::encode(outline);
    const double jpeg = timer.nsecsElapsed() / 1e6;
    std::printf("%-44s %10.1f ms   %5.1f x saving the work's JPEG (%.2f ms); processor %.1f ms; %.0f kB, %d frames"
                " over %.1f s; goal: under 2000 ms and 2048 kB\n",
                "keep the replay of a 20 s game of four drags", write, write / jpeg, jpeg, cpu, movie.size() / 1024.0,
                ReplayMovie::frameCount(script), script.length() / 1000.0);
    Q_UNUSED(work);
}
