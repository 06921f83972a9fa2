#pragma once

#include <QImage>
#include <QSize>

#include <cstdio>

// A JPEG decoded at the smallest of libjpeg-turbo's scales (1/8 .. 8/8) whose result still
// covers a box once turned upright, for previews: the decoder then skips most of the work of
// a full decode. The file is read as the decoder needs it, from where it stands.
namespace ScaledJpeg {

enum class Outcome { Done, Unreadable, TooLarge, NoMemory };

struct Result
{
    Outcome outcome = Outcome::Unreadable;
    // Upright, at least as large as the box's fit of the picture, or the whole picture when it is smaller.
    QImage image;
    // The upright picture's size at full resolution.
    QSize fullSize;
};

// Decodes the JPEG in file. Pictures over JpegCodec::MaxPixels are refused before any pixel is
// allocated; truncated and damaged data are Unreadable, as the loader finds them.
Result decode(std::FILE *file, QSize box);

// The smallest eighths n (1 .. 8) for which the picture decoded at n/8 covers the fit of
// `picture` into `box` (the picture itself when it fits).
int coveringEighths(QSize picture, QSize box);

} // namespace ScaledJpeg
