#pragma once

#include <QImage>

// The working picture of a face creation at its full resolution, with the kind of file it
// came from. Nothing may draw from it unless it is loaded.
struct WorkingPicture
{
    enum Kind { None = 0, Bitmap = 1, Jpeg = 2 };

    QImage pixels; // Format_RGB32
    Kind kind = None;

    bool isLoaded() const { return kind != None && !pixels.isNull(); }
    void release() { *this = WorkingPicture(); }
};
