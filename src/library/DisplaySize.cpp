#include "library/DisplaySize.h"

QSize displaySizeFor(QSize picture)
{
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    if (w <= 0 || h <= 0)
        return {0, 0};
    if (w < h)
        return {int(w * 300 / h), 300};
    return {300, int(h * 300 / w)};
}
