#pragma once

#include <QSize>

// The size at which a face picture is shown in the 300 × 300 face box: its longer side 300,
// the other side by truncating integer division (a square picture gives 300 × 300).
QSize displaySizeFor(QSize picture);
