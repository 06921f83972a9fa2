#include "gallery/WorksList.h"

#include <QDir>

#include <algorithm>
#include <vector>

namespace WorksList {

namespace {

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QStringList worksIn(const QString &folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.jpg")});
    // Hidden works count; devices, pipes and sockets are no pictures (reading a pipe would hang).
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Unsorted);
    QStringList names = dir.entryList();
    sortNewestFirst(names);
    return names;
}

QString stampOf(const QString &fileName)
{
    if (!fileName.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
        return {};
    const QStringView stem = QStringView(fileName).chopped(4);
    const qsizetype lastSeparator = stem.lastIndexOf(u'_');
    if (lastSeparator < 15)
        return {};
    const QStringView tail = stem.mid(lastSeparator + 1);
    if (tail != u"M" && (tail.isEmpty() || !allDigits(tail.startsWith(u'-') ? tail.mid(1) : tail)))
        return {};
    const QStringView stamp = stem.mid(lastSeparator - 14, 14);
    if (stem[lastSeparator - 15] != u'_' || !allDigits(stamp))
        return {};
    return stamp.toString();
}

void sortNewestFirst(QStringList &names)
{
    struct Work
    {
        QString stamp;
        QString name;
    };
    std::vector<Work> works;
    works.reserve(size_t(names.size()));
    for (QString &name : names)
        works.push_back({stampOf(name), std::move(name)});
    std::sort(works.begin(), works.end(), [](const Work &a, const Work &b) {
        if (a.stamp.isEmpty() != b.stamp.isEmpty())
            return b.stamp.isEmpty();
        if (a.stamp != b.stamp)
            return a.stamp > b.stamp;
        return a.name < b.name;
    });
    names.clear();
    for (Work &work : works)
        names.append(std::move(work.name));
}

} // namespace WorksList
