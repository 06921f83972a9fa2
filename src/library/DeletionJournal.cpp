#include "library/DeletionJournal.h"

#include "platform/files/ProfileFile.h"

#include <QList>

namespace {

const QByteArray Heading = QByteArrayLiteral("petara3 face deletion 2");
constexpr int FieldLines = 6;

QByteArray stateName(DeletionJournal::State state)
{
    return state == DeletionJournal::State::Started ? QByteArrayLiteral("started") : QByteArrayLiteral("indexed");
}

QByteArray valueOf(const QByteArray &line, const QByteArray &name)
{
    return line.startsWith(QByteArray(name + '=')) ? line.mid(name.size() + 1) : QByteArray();
}

std::optional<int> number(const QByteArray &line, const QByteArray &name)
{
    const QByteArray value = valueOf(line, name);
    if (value.isEmpty())
        return std::nullopt;
    return ProfileFile::parseInteger(QString::fromLatin1(value));
}

} // namespace

QByteArray DeletionJournal::toBytes() const
{
    QByteArray pictures(qsizetype(picturesBefore.size()), '0');
    for (size_t i = 0; i < picturesBefore.size(); ++i) {
        if (picturesBefore[i])
            pictures[qsizetype(i)] = '1';
    }
    return Heading + "\nstate=" + stateName(state) + "\ncount=" + QByteArray::number(faceCount)
           + "\nface=" + QByteArray::number(deleted) + "\npictures=" + pictures
           + "\nindex=" + QByteArray::number(newIndex.size()) + '\n' + newIndex;
}

std::optional<DeletionJournal> DeletionJournal::parse(const QByteArray &bytes)
{
    // The heading and the fields, a line each, then exactly as many index bytes as announced.
    QList<QByteArray> lines;
    qsizetype pos = 0;
    for (int i = 0; i < FieldLines; ++i) {
        const qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            return std::nullopt;
        lines.append(bytes.mid(pos, end - pos));
        pos = end + 1;
    }
    if (lines[0] != Heading)
        return std::nullopt;
    DeletionJournal journal;
    const QByteArray state = valueOf(lines[1], "state");
    if (state == stateName(State::Started))
        journal.state = State::Started;
    else if (state == stateName(State::Indexed))
        journal.state = State::Indexed;
    else
        return std::nullopt;
    const std::optional<int> count = number(lines[2], "count");
    const std::optional<int> deleted = number(lines[3], "face");
    const QByteArray pictures = valueOf(lines[4], "pictures");
    const std::optional<int> length = number(lines[5], "index");
    if (!count || !deleted || !length || *deleted < 0 || *deleted >= *count || *length != bytes.size() - pos
        || pictures.size() != qsizetype(*count - *deleted) * 6)
        return std::nullopt;
    for (char bit : pictures) {
        if (bit != '0' && bit != '1')
            return std::nullopt;
        journal.picturesBefore.push_back(bit == '1');
    }
    journal.faceCount = *count;
    journal.deleted = *deleted;
    journal.newIndex = bytes.mid(pos);
    return journal;
}

QString DeletionJournal::path(const QString &appDir)
{
    return appDir + QStringLiteral("data/deletion.journal");
}
