#pragma once

#include "library/TFaceData.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVector>

#include <array>

// The rules of registering a new face, with no file or widget in them.
namespace RegistrationRules {

// Whether a face of the library already has exactly this name (letter case counts).
bool isNameInUse(const QVector<TFaceData> &faces, const QString &name);

// The index bytes after adding face `number` as the last of number + 1 faces, key by key in
// this order: faces/count, then in section `number` Name, X1 .. X4, Y1 .. Y4, with places[k]
// the piece of part k (element 0 unused). Throws AppError, changing nothing, when the index
// cannot hold the name.
QByteArray indexWithFace(const QByteArray &index, int number, const QString &name, const std::array<QPoint, 5> &places);

} // namespace RegistrationRules
