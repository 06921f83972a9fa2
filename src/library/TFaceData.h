#pragma once

#include <QString>

// One library face: its name and the right places of its four parts (1 right eye, 2 left eye,
// 3 nose, 4 mouth), in screen pixels from the top-left corner of the face picture.
struct TFaceData
{
    QString Name;
    int X1 = 0, X2 = 0, X3 = 0, X4 = 0;
    int Y1 = 0, Y2 = 0, Y3 = 0, Y4 = 0;

    // The right place of part k (1 .. 4).
    int partX(int k) const;
    int partY(int k) const;
    void setPart(int k, int x, int y);
};

inline int TFaceData::partX(int k) const
{
    const int xs[] = {X1, X2, X3, X4};
    return xs[k - 1];
}

inline int TFaceData::partY(int k) const
{
    const int ys[] = {Y1, Y2, Y3, Y4};
    return ys[k - 1];
}

inline void TFaceData::setPart(int k, int x, int y)
{
    int *xs[] = {&X1, &X2, &X3, &X4};
    int *ys[] = {&Y1, &Y2, &Y3, &Y4};
    *xs[k - 1] = x;
    *ys[k - 1] = y;
}
