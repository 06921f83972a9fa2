#include "library/HallOfFame.h"

#include <algorithm>

namespace {

// A name the file can keep: not empty, no control character or line separator.
bool isRecordableName(QStringView name)
{
    if (name.isEmpty())
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line
               || category == QChar::Separator_Paragraph;
    });
}

} // namespace

int HallOfFame::enter(const QString &face, HallOfFameEntry entry)
{
    if (entry.player.isEmpty())
        entry.player = SinglePlayer;
    if (entry.score < 0 || entry.score > BestScore || !entry.when.isValid() || !isRecordableName(face)
        || !isRecordableName(entry.player))
        return 0;
    // The file writes the year in four digits.
    if (entry.when.date().year() < 1 || entry.when.date().year() > 9999)
        return 0;

    QList<HallOfFameEntry> &hall = m_faces[face];
    const auto below = std::find_if(hall.begin(), hall.end(),
                                    [&](const HallOfFameEntry &kept) { return kept.score < entry.score; });
    const int place = int(below - hall.begin()) + 1;
    if (place > Places)
        return 0;
    hall.insert(below, entry);
    if (hall.size() > Places)
        hall.removeLast();
    return place;
}

void HallOfFame::forgetFace(const QString &face)
{
    m_faces.remove(face);
}

QList<HallOfFameEntry> HallOfFame::entries(const QString &face) const
{
    return m_faces.value(face);
}
