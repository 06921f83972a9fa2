// Idle: the game's share of one core while its tune plays and nothing else happens, read from
// /proc over 20 s after the opening has finished. Run headless, the tune goes to FluidSynth's
// file driver into /dev/null, which renders and paces it as a sound card would.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {

// The process's user and system time so far, in clock ticks, or -1.
long long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which may hold spaces, closed by the last ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields[11].toLongLong() + fields[12].toLongLong();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    game.setStandardErrorFile(QProcess::nullDevice());
    game.start(QStringLiteral(GAME_PROGRAM), QStringList());
    if (!game.waitForStarted())
        qFatal("the game did not start");
    // The opening takes eight ticks of 500 ms; the tune starts with the first.
    QThread::sleep(5);
    const qint64 pid = game.processId();
    const long long before = cpuTicks(pid);
    QElapsedTimer clock;
    clock.start();
    QThread::sleep(20);
    const long long after = cpuTicks(pid);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    game.kill();
    game.waitForFinished();
    if (before < 0 || after < 0)
        qFatal("the game ended early");
    const double percent = 100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds;
    std::printf("idle with the tune playing %8.2f %% of a core over %.0f s (file driver to /dev/null)\n", percent,
                seconds);
    return 0;
}
