#pragma once

#include <QString>

// Face creation on a 24-megapixel photo: its load against djpeg, one outline-drag redraw,
// and the peak memory of a process holding the photo. Works in `folder`.
void benchFaceCreation(const QString &folder, const QString &benchmarkProgram);

// The child side of the memory figure: loads the photo at path as face creation does and
// prints the process's peak resident size before and after, in kB. Returns the exit code.
int reportLoadPeak(const QString &path);
