// Start-up: from starting the game to its first frame, against a Qt program that only shows a
// label (empty_window), started in turn under the offscreen platform (or the one QT_QPA_PLATFORM
// names). Prints the median times and the median ratio of the pairs. The game is stopped as
// soon as its frame is out, before it could write anything.
//
// bench_startup OTHER also times OTHER, another build of the game (a folder holding its data/),
// in each round, in turn first and second after the game, and prints the median of OTHER's
// differences from the game: how a change to the start-up is measured.

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

// The value below which the given share of values lie (0.5: the median), interpolated.
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const double position = share * double(values.size() - 1);
    const size_t below = size_t(position);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (position - double(below)) * (values[above] - values[below]);
}

double median(const std::vector<double> &values)
{
    return quantile(values, 0.5);
}

double timed(const QString &program)
{
    const double elapsed = timeToFirstFrame(program);
    if (elapsed < 0)
        qFatal("%s did not show its first frame", qPrintable(program));
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString game = QStringLiteral(GAME_PROGRAM);
    const QString empty = QStringLiteral(EMPTY_WINDOW_PROGRAM);
    const QString other = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    constexpr int Runs = 51;
    std::vector<double> gameTimes;
    std::vector<double> emptyTimes;
    std::vector<double> ratios;
    std::vector<double> otherTimes;
    std::vector<double> otherDifferences;
    // One of each first, unmeasured, so that all start from a warm file cache.
    timeToFirstFrame(game);
    timeToFirstFrame(empty);
    if (!other.isEmpty())
        timeToFirstFrame(other);
    for (int i = 0; i < Runs; ++i) {
        const double emptyTime = timed(empty);
        double gameTime = 0;
        if (other.isEmpty()) {
            gameTime = timed(game);
        } else {
            // Which one runs right after the empty window alternates, so neither gains from its place.
            double otherTime = 0;
            if (i % 2 == 0) {
                gameTime = timed(game);
                otherTime = timed(other);
            } else {
                otherTime = timed(other);
                gameTime = timed(game);
            }
            otherTimes.push_back(otherTime);
            otherDifferences.push_back(otherTime - gameTime);
        }
        emptyTimes.push_back(emptyTime);
        gameTimes.push_back(gameTime);
        // Each pair ran back to back, so a busy moment of the machine slows both alike.
        ratios.push_back(gameTime / emptyTime);
    }
    std::printf("start-up to first frame %10.1f ms   %5.2f x an empty window (%.1f ms); medians of %d pairs\n",
                median(gameTimes), median(ratios), median(emptyTimes), Runs);
    if (!other.isEmpty())
        std::printf(
            "%s: %.1f ms, %+.2f ms from the game (median of the pairs' differences; quartiles %+.2f to %+.2f)\n",
            qPrintable(other), median(otherTimes), median(otherDifferences), quantile(otherDifferences, 0.25),
            quantile(otherDifferences, 0.75));
    return 0;
}
