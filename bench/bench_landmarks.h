#pragma once

#include <QString>

// The automatic outlines on the shipped photographs in `dataDir`: the model's background load,
// the time from the press to the four filled holes, and how well each outline fits its part.
void benchLandmarks(const QString &dataDir);
