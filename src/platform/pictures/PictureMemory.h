#pragma once

#include <QImage>

// A width × height Format_RGB32 picture, uninitialised, for a decoder to fill. A picture of many
// megapixels gets memory that the kernel may back with huge pages: filling a photo then costs
// a few dozen page faults instead of tens of thousands, which would otherwise take longer than
// decoding it. Null when there is not enough memory.
QImage allocatePicture(int width, int height);
