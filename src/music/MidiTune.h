#pragma once

#include <QByteArray>

#include <fluidsynth.h>

// The length in ticks of the standard MIDI file in tune, as FluidSynth's player reads it, or -1
// when the player does not load it. FluidSynth parses a tune only when its player first runs, on
// the audio thread; this runs a muted player on synth for one block instead, so that a tune
// that does not load is found before it is played. synth sounds no note of it.
int midiTuneLength(fluid_synth_t *synth, const QByteArray &tune);
