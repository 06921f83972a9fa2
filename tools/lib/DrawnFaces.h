#pragma once

#include <QImage>

// The two starter faces drawn rather than photographed, each 300 by 300.
namespace DrawnFaces {

// おかめ: a plump white face, black hair parted in the middle, high round brows, narrow
// smiling eyes, a small red mouth and rosy cheeks.
QImage drawOkame();
// ひょっとこ: a tanned face under a dotted towel knotted at the side, one eye wide and one
// squinting, and a pursed mouth pushed to one side as if blowing through a pipe.
QImage drawHyottoko();

} // namespace DrawnFaces
