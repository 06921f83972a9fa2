#pragma once

#include <QString>

// The automatic outlines on photos composed from the shipped ones (tools/lib/TestPhotos): the
// model's background load, then for each photo the time from the press to the four filled holes
// against the old press that searched only the 300-pixel display copy, whether the face was
// found, framed and outlined right, and the narrower eye piece's width.
void benchLandmarks(const QString &dataDir);
