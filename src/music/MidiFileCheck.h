#pragma once

#include <QByteArrayView>

// Whether bytes are a standard MIDI file made the way the format says, event by event: a header
// of format 0, 1 or 2 with ticks per quarter note, then as many track chunks as it announces,
// each wholly inside the file and holding only complete events. FluidSynth's own reader loops
// for ever on some damaged files, on whatever thread reads them; it sees only files that pass.
bool isWellFormedMidiFile(QByteArrayView bytes);
