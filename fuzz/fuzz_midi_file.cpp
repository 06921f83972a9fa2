// The MIDI file reader, FluidSynth's player as the game probes a tune before playing it, on any
// bytes: a length in ticks, or -1 for a file that does not load.

#include "FuzzInput.h"

#include "music/FluidSynthLibrary.h"
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
    const int length = midiTuneLength(synthesizer(), fuzzBytes(data, size));
    if (length < -1)
        std::abort();
    return 0;
}
