#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

// The index file's text in the Windows profile (INI) layout: pure functions on its bytes.
// Names match without regard to case; on duplicate sections or keys the first one counts.
// The text is CP932, or UTF-8 when the file starts with UTF-8's byte-order mark (as text
// editors save it); a write keeps the file's encoding and its mark.
namespace ProfileText {

enum class Encoding { Cp932, Utf8 };

// How the file's bytes are encoded: UTF-8 when they start with its byte-order mark, else CP932.
Encoding encodingOf(const QByteArray &bytes);

// What one line of the file says.
struct Entry
{
    enum Kind { Other, Section, Key };
    Kind kind = Other;
    QString name;  // section or key name, trimmed
    QString value; // key value, trimmed and without enclosing double quotes
};

// The meaning of one line (without its line end or the file's byte-order mark).
Entry parseLine(const QByteArray &line, Encoding encoding = Encoding::Cp932);

// The form in which names are compared.
QString foldName(const QString &name);

// Every section's values, read once from the file's bytes: each value is decoded once, section
// and key names are found through hash tables, and a section's few values lie side by side, so
// reading takes time in step with the file.
class Values
{
public:
    static Values parse(const QByteArray &bytes);

    // The value of key in section, or nullopt when either is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // The same without a copy; the view lives as long as these values do.
    std::optional<QStringView> view(const QString &section, const QString &key) const;
    // The section's number, found once for reading several of its keys; -1 when it is missing.
    int sectionNumber(const QString &section) const;
    // The value of key in the section of that number (-1 for none), without a copy.
    std::optional<QStringView> view(int sectionNumber, const QString &key) const;
    // The number of distinct sections.
    int sectionCount() const { return int(m_sections.size()); }

private:
    class Reader;

    // A value that counts: its key's number, and where its text lies in m_text.
    struct KeyValue
    {
        int key = 0;
        qsizetype offset = 0;
        qsizetype size = 0;
    };
    // A section's values: a run of m_keyValues. A repeated section adds none, so every
    // section's values lie side by side.
    struct Section
    {
        size_t first = 0;
        qsizetype count = 0;
    };

    QHash<QString, int> m_sectionIndex; // folded section name -> its number in reading order
    QHash<QString, int> m_keyIndex;     // folded key name -> its number, shared by all sections
    std::vector<Section> m_sections;
    std::vector<KeyValue> m_keyValues; // section after section, each in the file's order
    QString m_text;                    // every value that counts, decoded, one after another
};

// The file after writing key=value: in place if the key exists, else after the last non-blank
// line of its section, else in a new section at the end. Throws AppError, changing nothing,
// for names or values that the file cannot hold.
QByteArray withValue(const QByteArray &bytes, const QString &section, const QString &key, const QString &value);

// The file without the section's header and lines, or nullopt when it has no such section.
std::optional<QByteArray> withoutSection(const QByteArray &bytes, const QString &section);

// One change of a file: a key's new value, or the removal of a whole section.
struct Edit
{
    QString section;
    QString key; // null for the removal of the section
    QString value;

    static Edit set(const QString &section, const QString &key, const QString &value);
    static Edit eraseSection(const QString &section);
};

// The file after the edits, in order: byte for byte what withValue and withoutSection would
// leave applied one after another, but in one pass over the file. Throws AppError, changing
// nothing, when any edit cannot be written.
QByteArray withEdits(const QByteArray &bytes, const std::vector<Edit> &edits);

} // namespace ProfileText
