#pragma once

#include "library/LibraryIndex.h"

class QComboBox;
struct FaceLibrary;

// Start-up: finishes a face deletion that was cut short, then reads the index of
// library.AppDir into the face table, its places converted at
// dpiScale, and lists the names in the face list with nothing picked. Returns the rest of the
// index (the opening face is in the table already; the music settings are the caller's).
LibraryIndex loadLibrary(FaceLibrary &library, QComboBox &faceList, qint64 dpiScale);
