#pragma once

#include <QString>
#include <QStringList>

// The saved works of the works folder, as the gallery lists them.
namespace WorksList {

// The names of the works in folder: its files whose names end in ".jpg" in any letter case
// (folders left out), newest first. Nothing is opened or decoded.
QStringList worksIn(const QString &folder);

// The 14-digit time stamp of a work named "<name>_<yyyyMMddHHmmss>_<score or M>.jpg", or an
// empty string when the name carries none.
QString stampOf(const QString &fileName);

// Newest first by the time stamps in the names; names without one follow, in name order.
void sortNewestFirst(QStringList &names);

} // namespace WorksList
