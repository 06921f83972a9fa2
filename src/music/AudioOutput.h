#pragma once

#include <QString>
#include <QStringList>

#include <fluidsynth.h>

// Which of FluidSynth's audio drivers the music goes through. On a desktop that is the sound
// server (PipeWire, then PulseAudio), then ALSA; the silent "file" driver comes last, so a
// machine without sound still plays the tune in real time.
namespace AudioOutput {

// The environment variable that names the one driver to try before the silent one; "file"
// keeps a program (the tests) silent.
inline constexpr const char *DriverVariable = "PETARA_AUDIO_DRIVER";

// The drivers to try in order, before the silent one, from those the FluidSynth build offers.
QStringList driverOrder(const QStringList &available, const QString &forced);

// Opens the audio driver for synth. The first call chooses the driver, tries each in order, and
// logs the choice to standard error in one line; later calls use that choice. Falls back to the
// silent driver writing to /dev/null. Returns nullptr only when even that cannot start.
fluid_audio_driver_t *open(fluid_settings_t *settings, fluid_synth_t *synth);

} // namespace AudioOutput
