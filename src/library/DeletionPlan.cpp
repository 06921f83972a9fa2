#include "library/DeletionPlan.h"

#include "platform/system/DpiScale.h"

namespace DeletionPlan {

int currentFaceAfter(int current, int deleted, int faceCount)
{
    if (current == faceCount - 1 && deleted == current)
        current = 0;
    if (deleted < current)
        --current;
    return current;
}

int titleFaceAfter(int title, int deleted)
{
    if (title < 0 || deleted > title)
        return title;
    return deleted == title ? -1 : title - 1;
}

QVector<TFaceData> facesAfter(const QVector<TFaceData> &faces, int deleted)
{
    QVector<TFaceData> after = faces;
    after.remove(deleted);
    return after;
}

std::vector<ProfileText::Edit> indexEdits(const QVector<TFaceData> &facesAfter, int deleted, int titleBefore,
                                          int titleAfter, qint64 dpiScale)
{
    using ProfileText::Edit;
    const int count = int(facesAfter.size());
    std::vector<Edit> edits;
    edits.reserve(size_t(2 + 9 * (count - deleted) + 1));
    if (titleAfter != titleBefore)
        edits.push_back(Edit::set(QStringLiteral("TitleFace"), QStringLiteral("NO"), QString::number(titleAfter)));
    edits.push_back(Edit::set(QStringLiteral("faces"), QStringLiteral("count"), QString::number(count)));
    for (int j = deleted; j < count; ++j) {
        const TFaceData &face = facesAfter.at(j);
        const QString section = QString::number(j);
        edits.push_back(Edit::set(section, QStringLiteral("Name"), face.Name));
        for (int k = 1; k <= 4; ++k)
            edits.push_back(Edit::set(section, QStringLiteral("X%1").arg(k),
                                      QString::number(Dpi::screenToFile(face.partX(k), dpiScale))));
        for (int k = 1; k <= 4; ++k)
            edits.push_back(Edit::set(section, QStringLiteral("Y%1").arg(k),
                                      QString::number(Dpi::screenToFile(face.partY(k), dpiScale))));
    }
    edits.push_back(Edit::eraseSection(QString::number(count)));
    return edits;
}

int movesDone(const std::vector<bool> &had, const std::vector<bool> &has)
{
    const int n = int(had.size());
    if (int(has.size()) != n)
        return -1;
    // After t moves: slots below t - 1 hold their successors' pictures, slot t - 1 is empty, and
    // slots from t on hold their own.
    std::vector<bool> ownFrom(size_t(n) + 1, true);
    for (int i = n - 1; i >= 0; --i)
        ownFrom[size_t(i)] = ownFrom[size_t(i) + 1] && has[size_t(i)] == had[size_t(i)];
    bool successorsBelow = true; // slots 0 .. t - 2 hold their successors' pictures
    for (int t = 0; t <= n; ++t) {
        if (t >= 2)
            successorsBelow = successorsBelow && has[size_t(t) - 2] == had[size_t(t) - 1];
        if (successorsBelow && (t == 0 || !has[size_t(t) - 1]) && ownFrom[size_t(t)])
            return t;
    }
    return -1;
}

} // namespace DeletionPlan
