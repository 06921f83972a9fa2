#include "music/AudioOutput.h"

#include <QByteArray>

#include <cstdio>
#include <mutex>

namespace AudioOutput {

namespace {

const QString SilentDriver = QStringLiteral("file");

void collectOption(void *data, const char *, const char *option)
{
    static_cast<QStringList *>(data)->append(QString::fromUtf8(option));
}

QStringList availableDrivers(fluid_settings_t *settings)
{
    QStringList drivers;
    fluid_settings_foreach_option(settings, "audio.driver", &drivers, collectOption);
    return drivers;
}

fluid_audio_driver_t *start(fluid_settings_t *settings, fluid_synth_t *synth, const QString &driver)
{
    fluid_settings_setstr(settings, "audio.driver", driver.toUtf8().constData());
    if (driver == SilentDriver) {
        fluid_settings_setstr(settings, "audio.file.name", "/dev/null");
        fluid_settings_setstr(settings, "audio.file.type", "raw");
    }
    return new_fluid_audio_driver(settings, synth);
}

std::mutex choiceMutex;
QString chosenDriver; // empty until the first open

} // namespace

QStringList driverOrder(const QStringList &available, const QString &forced)
{
    QStringList order;
    const QStringList wanted = forced.isEmpty() ? QStringList{QStringLiteral("pipewire"), QStringLiteral("pulseaudio"),
                                                              QStringLiteral("alsa")}
                                                : QStringList{forced};
    for (const QString &driver : wanted) {
        if (driver != SilentDriver && available.contains(driver))
            order << driver;
    }
    return order;
}

fluid_audio_driver_t *open(fluid_settings_t *settings, fluid_synth_t *synth)
{
    const std::lock_guard lock(choiceMutex);
    if (!chosenDriver.isEmpty()) {
        if (fluid_audio_driver_t *driver = start(settings, synth, chosenDriver))
            return driver;
        return chosenDriver == SilentDriver ? nullptr : start(settings, synth, SilentDriver);
    }
    const QString forced = QString::fromLocal8Bit(qgetenv(DriverVariable));
    const QStringList tried = driverOrder(availableDrivers(settings), forced);
    for (const QString &name : tried) {
        if (fluid_audio_driver_t *driver = start(settings, synth, name)) {
            chosenDriver = name;
            std::fprintf(stderr, "petara3: sound output: %s\n", qPrintable(name));
            return driver;
        }
    }
    chosenDriver = SilentDriver;
    std::fprintf(stderr, "petara3: sound output: none (silent; tried: %s)\n",
                 qPrintable(tried.isEmpty() ? QStringLiteral("-") : tried.join(QLatin1Char(' '))));
    return start(settings, synth, SilentDriver);
}

} // namespace AudioOutput
