// Start-up: from starting the game to its first frame, against a Qt program that only shows a
// label (empty_window), started in turn under the offscreen platform (or the one QT_QPA_PLATFORM
// names). Prints the median times and the median ratio of the pairs. The game is stopped as
// soon as its frame is out, before it could write anything.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds from the start of the program to its "first frame" line, or -1.
double timeToFirstFrame(const QString &program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Offscreen unless the caller names a platform (QT_QPA_PLATFORM=xcb under Xvfb, say).
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("petara.startup.info=true"));
    process.setProcessEnvironment(environment);
    process.setReadChannel(QProcess::StandardError);
    process.setWorkingDirectory(QCoreApplication::applicationDirPath());
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    double elapsed = -1;
    QByteArray said;
    while (process.waitForReadyRead(10000) || process.bytesAvailable() > 0) {
        said += process.readAllStandardError();
        if (said.contains("first frame")) {
            elapsed = double(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.kill();
    process.waitForFinished();
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString game = QStringLiteral(GAME_PROGRAM);
    const QString empty = QStringLiteral(EMPTY_WINDOW_PROGRAM);
    constexpr int Runs = 51;
    std::vector<double> gameTimes;
    std::vector<double> emptyTimes;
    std::vector<double> ratios;
    // One of each first, unmeasured, so that both start from a warm file cache.
    timeToFirstFrame(game);
    timeToFirstFrame(empty);
    for (int i = 0; i < Runs; ++i) {
        const double emptyTime = timeToFirstFrame(empty);
        const double gameTime = timeToFirstFrame(game);
        if (emptyTime < 0 || gameTime < 0)
            qFatal("a program did not show its first frame");
        emptyTimes.push_back(emptyTime);
        gameTimes.push_back(gameTime);
        // Each pair ran back to back, so a busy moment of the machine slows both alike.
        ratios.push_back(gameTime / emptyTime);
    }
    std::printf("start-up to first frame %10.1f ms   %5.2f x an empty window (%.1f ms); medians of %d pairs\n",
                median(gameTimes), median(ratios), median(emptyTimes), Runs);
    return 0;
}
