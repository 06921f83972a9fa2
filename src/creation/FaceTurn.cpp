#include "creation/FaceTurn.h"

#include <algorithm>

QVector<QRectF> largestFirst(QVector<QRectF> faces)
{
    std::stable_sort(faces.begin(), faces.end(), [](const QRectF &a, const QRectF &b) {
        const double areaA = a.width() * a.height();
        const double areaB = b.width() * b.height();
        if (areaA != areaB)
            return areaA > areaB;
        if (a.left() != b.left())
            return a.left() < b.left();
        return a.top() < b.top();
    });
    return faces;
}
