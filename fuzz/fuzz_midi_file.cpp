// The MIDI file reader as the game uses it, on any bytes: the game's own check of the file's
// structure, then, for a file that passes, FluidSynth's player as the game probes a tune before
// playing it. It must answer with a length in ticks or -1, and never hang.

#include "FuzzInput.h"

#include "music/FluidSynthLibrary.h"
#include "music/MidiFileCheck.h"
#include "music/MidiTune.h"

#include <cstdlib>

namespace {

void quiet(int, const char *, void *) {}

// One synthesizer for every input, without a sound font or a sound device: the probe never
// lets a note reach it.
fluid_synth_t *synthesizer()
{
    static fluid_synth_t *const synth = [] {
        if (!FluidSynthLibrary::load())
            std::abort();
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quiet, nullptr);
        fluid_settings_t *settings = new_fluid_settings();
        fluid_synth_t *made = settings ? new_fluid_synth(settings) : nullptr;
        if (!made)
            std::abort();
        return made;
    }();
    return synth;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray tune = fuzzBytes(data, size);
    if (!isWellFormedMidiFile(tune))
        return 0;
    if (midiTuneLength(synthesizer(), tune) < -1)
        std::abort();
    return 0;
}
