#include "library/RegistrationRules.h"

#include "platform/files/ProfileText.h"

#include <algorithm>

namespace RegistrationRules {

bool isNameInUse(const QVector<TFaceData> &faces, const QString &name)
{
    return std::any_of(faces.cbegin(), faces.cend(), [&name](const TFaceData &face) { return face.Name == name; });
}

QByteArray indexWithFace(const QByteArray &index, int number, const QString &name, const std::array<QPoint, 5> &places)
{
    const QString section = QString::number(number);
    QByteArray bytes = ProfileText::withValue(index, QStringLiteral("faces"), QStringLiteral("count"),
                                              QString::number(number + 1));
    bytes = ProfileText::withValue(bytes, section, QStringLiteral("Name"), name);
    for (int k = 1; k <= 4; ++k)
        bytes = ProfileText::withValue(bytes, section, QStringLiteral("X%1").arg(k), QString::number(places[k].x()));
    for (int k = 1; k <= 4; ++k)
        bytes = ProfileText::withValue(bytes, section, QStringLiteral("Y%1").arg(k), QString::number(places[k].y()));
    return bytes;
}

} // namespace RegistrationRules
