#include "music/MidiTune.h"

namespace {

int ignoreEvent(void *, fluid_midi_event_t *)
{
    return FLUID_OK;
}

} // namespace

int midiTuneLength(fluid_synth_t *synth, const QByteArray &tune)
{
    fluid_player_t *probe = new_fluid_player(synth);
    if (!probe)
        return -1;
    fluid_player_set_playback_callback(probe, ignoreEvent, nullptr);
    fluid_player_add_mem(probe, tune.constData(), size_t(tune.size()));
    fluid_player_play(probe);
    float left[64];
    float right[64];
    fluid_synth_write_float(synth, 64, left, 0, 1, right, 0, 1);
    const bool loaded = fluid_player_get_status(probe) == FLUID_PLAYER_PLAYING;
    const int length = fluid_player_get_total_ticks(probe);
    delete_fluid_player(probe);
    return loaded ? length : -1;
}
