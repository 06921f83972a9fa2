#pragma once

#include "library/TFaceData.h"

#include <QString>
#include <QVector>

// The face table in memory and the program folder it was read from. Changed only together
// with the index file and the face pictures.
struct FaceLibrary
{
    QString AppDir;          // program folder, with a trailing "/"
    qint64 DpiScale = 10000; // the layout's scale × 10000 (Dpi::LayoutScale)
    QVector<TFaceData> Faces;
    int FaceCount = 0;
    int TitleFaceIndex = -1;

    bool hasFace(int n) const { return n >= 0 && n < FaceCount; }
};
