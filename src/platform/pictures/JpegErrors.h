#pragma once

#include <csetjmp>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

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
