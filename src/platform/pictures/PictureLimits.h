#pragma once

#include <QtGlobal>

// The largest picture file the game reads. A 24-megapixel photo stored as an uncompressed
// bitmap is about 70 MB and the largest cameras' JPEGs stay far below that; anything past this
// is not a photo, and is refused before a byte of it is read.
inline constexpr qint64 maxPictureFileBytes = qint64(512) * 1024 * 1024;
