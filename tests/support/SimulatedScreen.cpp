#include "support/SimulatedScreen.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const char screenVariable[] = "PETARA_SIMULATED_SCREEN"; // "<pixels per inch>,<scaling 1 or 0>"

// The child's failures with their details; its last lines when it reported none (a crash).
QString failures(const QString &output)
{
    const QStringList lines = output.split(QLatin1Char('\n'));
    QStringList kept;
    bool inFailure = false;
    for (const QString &line : lines) {
        inFailure = line.startsWith(QLatin1String("FAIL!")) || (inFailure && line.startsWith(QLatin1String("   ")));
        if (inFailure)
            kept << line;
    }
    return (kept.isEmpty() ? lines.mid(qMax(0, lines.size() - 20)) : kept).join(QLatin1Char('\n'));
}

} // namespace

std::optional<SimulatedScreen> SimulatedScreen::current()
{
    const QStringList fields = qEnvironmentVariable(screenVariable).split(QLatin1Char(','));
    if (fields.size() != 2)
        return std::nullopt;
    return SimulatedScreen{fields[0].toInt(), fields[1] == QLatin1String("1")};
}

bool SimulatedScreen::run(QString *log) const
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The offscreen plugin's screen: its logical density against Qt's base of 96.
    file.write(QStringLiteral(R"({"screens": [{"name": "simulated", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                              R"( "logicalDpi": %1, "logicalBaseDpi": 96}]})")
                   .arg(pixelsPerInch)
                   .toUtf8());
    file.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *inherited : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                                  "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI"})
        environment.remove(QString::fromLatin1(inherited));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QString::number(highDpiScaling ? 1 : 0));
    environment.insert(QString::fromLatin1(screenVariable),
                       QStringLiteral("%1,%2").arg(pixelsPerInch).arg(highDpiScaling ? 1 : 0));

    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    const bool finished = child.waitForFinished(120000);
    const bool passed = finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (log)
        *log = passed ? QString() : failures(QString::fromLocal8Bit(child.readAll()));
    return passed;
}
