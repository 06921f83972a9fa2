#pragma once

#include <QSize>

// The size at which a picture is shown in the 300 × 300 face box: the longer side
// becomes 300, the other is scaled by the ratio held as a 32-bit float and truncated
// (so 2592 × 1944 gives 300 × 224 and 27 × 27 gives 300 × 299). Small pictures are
// enlarged the same way. An empty picture gives an empty size.
QSize fitIntoFaceBox(QSize picture);
