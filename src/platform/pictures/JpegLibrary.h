#pragma once

#include <QtGlobal>

#include <csetjmp>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

// What every libjpeg caller of the game shares.

// libjpeg's error manager extended with the place to jump back to; the library sees the first
// member. Every libjpeg call of the game runs under one, with setjmp on `jump`.
struct JpegErrorManager
{
    jpeg_error_mgr manager;
    jmp_buf jump;
};

// Replaces libjpeg's defaults, which end the process on an error and print warnings: an error
// jumps back, and so does a warning about missing or broken picture data (a garbled picture);
// nothing is printed.
void installJpegErrorManager(JpegErrorManager &errors);

// Converts a row of CMYK pixels, as libjpeg gives them, in place to RGB32. Adobe's files store
// the inks inverted.
void cmykRowToRgb(unsigned char *row, JDIMENSION width, bool inverted);
