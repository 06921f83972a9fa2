#pragma once

#include "library/TFaceData.h"

#include <QString>
#include <QVector>

// What the index file holds: the faces with their places converted to screen pixels,
// the opening face and the two music settings.
struct LibraryIndex
{
    QVector<TFaceData> Faces;
    // faces/count as the file says it, before it is bounded; -1 when the file says none.
    int StoredFaceCount = -1;
    int TitleFaceIndex = -1;
    bool BgmOn = true;
    QString MusicFileName;
};

// Reads the index of the program folder; a missing file or key gives its default.
// A face count below zero or beyond the sections the file holds is bounded by what is there,
// and an opening face outside the library reads as none (-1).
LibraryIndex loadLibraryIndex(const QString &appDir, qint64 dpiScale);
