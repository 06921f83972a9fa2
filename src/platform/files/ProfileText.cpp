#include "platform/files/ProfileText.h"

#include "platform/system/AppError.h"
#include "platform/files/TextCodec.h"

#include <algorithm>
#include <cstring>

namespace ProfileText {

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// The file's text after its byte-order mark, and the mark to write back before it.
struct Body
{
    explicit Body(const QByteArray &file)
        : encoding(encodingOf(file)), mark(encoding == Encoding::Utf8 ? Utf8Mark : QByteArray()),
          bytes(mark.isEmpty() ? file : file.mid(mark.size()))
    {
    }

    Encoding encoding;
    QByteArray mark;
    QByteArray bytes;
};

// One physical line: its text runs from start to textEnd, its line end (if any) to end.
struct LineSpan
{
    qsizetype start = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
};

// Steps through the lines of bytes; CR LF, LF and a lone CR all end a line.
bool nextLine(const QByteArray &bytes, qsizetype &pos, LineSpan &line)
{
    if (pos >= bytes.size())
        return false;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype i = pos;
    while (i < size && data[i] != '\n' && data[i] != '\r')
        ++i;
    line.start = pos;
    line.textEnd = i;
    if (i < size && data[i] == '\r')
        ++i;
    if (i < size && data[i] == '\n' && (i == line.textEnd || data[i - 1] == '\r'))
        ++i;
    line.end = i;
    pos = i;
    return true;
}

// The line's text without copying it; it lives as long as bytes does.
QByteArray textOf(const QByteArray &bytes, const LineSpan &line)
{
    return QByteArray::fromRawData(bytes.constData() + line.start, line.textEnd - line.start);
}

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool isBlankChar(QChar c)
{
    return c.unicode() < 0x80 && isBlankByte(char(c.unicode()));
}

// Only ASCII blanks are trimmed: an ideographic space may be part of a face's name.
QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isBlankChar(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlankChar(text.back()))
        text.chop(1);
    return text;
}

QByteArray trimmedBytes(QByteArray bytes)
{
    qsizetype from = 0;
    qsizetype to = bytes.size();
    while (from < to && isBlankByte(bytes[from]))
        ++from;
    while (to > from && isBlankByte(bytes[to - 1]))
        --to;
    return bytes.mid(from, to - from);
}

bool isBlankLine(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), isBlankByte);
}

// A blank is never the second byte of a CP932 character, so the first other byte starts one.
bool mayBeSectionLine(const QByteArray &text)
{
    for (char c : text) {
        if (!isBlankByte(c))
            return c == '[';
    }
    return false;
}

enum class NameKind { Section, Key };

void checkName(const QString &name, NameKind kind)
{
    const QString what = kind == NameKind::Section ? QStringLiteral("セクション名") : QStringLiteral("キー名");
    bool usable = !name.isEmpty() && trimmed(name) == name;
    for (QChar c : name) {
        if (c == u']' || c == u'=' || c == u'\r' || c == u'\n' || c == QChar(0))
            usable = false;
    }
    // A key line that starts like a section or a comment would not read back as a key.
    if (kind == NameKind::Key && (name.startsWith(u'[') || name.startsWith(u';')))
        usable = false;
    if (!usable)
        throw AppError(QStringLiteral("%1「%2」は索引ファイルに書き込めません。").arg(what, name));
}

void checkValue(const QString &value)
{
    for (QChar c : value) {
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            throw AppError(QStringLiteral("改行などの制御文字を含む値は、索引ファイルに書き込めません。"));
    }
}

QByteArray encoded(const QString &text, Encoding encoding)
{
    if (encoding == Encoding::Utf8) {
        // A lone surrogate has no UTF-8 form.
        if (!text.isValidUtf16())
            throw AppError(QStringLiteral("「%1」には索引ファイルに保存できない文字が含まれています。").arg(text));
        return text.toUtf8();
    }
    std::optional<QByteArray> bytes = TextCodec::toCp932(text);
    if (!bytes)
        throw AppError(QStringLiteral("「%1」には索引ファイルに保存できない文字が含まれています。"
                                      "使える文字は Shift_JIS (CP932) の文字だけです。")
                           .arg(text));
    return *bytes;
}

// Where a write lands in the first section of that name.
struct Placement
{
    bool sectionFound = false;
    bool keyFound = false;
    qsizetype sectionStart = 0; // where the section's header line starts
    LineSpan keyLine;
    LineSpan lastFilledLine;  // the section's last non-blank line, its header if it has none
    qsizetype sectionEnd = 0; // where the next section starts, or the end of the file
};

Placement locate(const QByteArray &bytes, Encoding encoding, const QString &foldedSection, const QString &foldedKey)
{
    Placement place;
    place.sectionEnd = bytes.size();
    qsizetype pos = 0;
    LineSpan line;
    while (nextLine(bytes, pos, line)) {
        const QByteArray text = textOf(bytes, line);
        if (!place.sectionFound && !mayBeSectionLine(text))
            continue;
        const Entry entry = parseLine(text, encoding);
        if (entry.kind == Entry::Section) {
            if (place.sectionFound) {
                place.sectionEnd = line.start;
                break;
            }
            if (foldName(entry.name) == foldedSection) {
                place.sectionFound = true;
                place.sectionStart = line.start;
                place.lastFilledLine = line;
            }
            continue;
        }
        if (!place.sectionFound || isBlankLine(text))
            continue;
        place.lastFilledLine = line;
        if (!foldedKey.isNull() && entry.kind == Entry::Key && foldName(entry.name) == foldedKey) {
            place.keyFound = true;
            place.keyLine = line;
            break;
        }
    }
    return place;
}

} // namespace

Encoding encodingOf(const QByteArray &bytes)
{
    return bytes.startsWith(Utf8Mark) ? Encoding::Utf8 : Encoding::Cp932;
}

Entry parseLine(const QByteArray &line, Encoding encoding)
{
    Entry entry;
    const QString decoded = encoding == Encoding::Utf8 ? QString::fromUtf8(line) : TextCodec::fromCp932(line);
    const QStringView text = trimmed(decoded);
    if (text.isEmpty() || text.front() == u';')
        return entry;
    if (text.front() == u'[') {
        const QStringView rest = text.mid(1);
        const qsizetype close = rest.indexOf(u']');
        entry.kind = Entry::Section;
        entry.name = trimmed(close < 0 ? rest : rest.left(close)).toString();
        return entry;
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0)
        return entry;
    const QStringView name = trimmed(text.left(equals));
    if (name.isEmpty())
        return entry;
    QStringView value = trimmed(text.mid(equals + 1));
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.mid(1, value.size() - 2);
    entry.kind = Entry::Key;
    entry.name = name.toString();
    entry.value = value.toString();
    return entry;
}

QString foldName(const QString &name)
{
    const QStringView text = trimmed(name);
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return text.toString().toCaseFolded();
    }
    // ASCII folds to its lower case; a name already folded is shared, not copied.
    if (text.size() == name.size()
        && std::none_of(name.begin(), name.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; }))
        return name;
    QString folded(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), folded.begin(),
                   [](QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 0x20) : c; });
    return folded;
}

// Reads the lines of a file into Values in one pass. A line of ASCII bytes, nearly every line
// of an index, is read straight from its bytes; any other line goes through parseLine, so both
// ways read a line alike.
class Values::Reader
{
public:
    Reader(Values &values, Encoding encoding) : m_values(values), m_encoding(encoding) {}

    void readLine(const char *data, qsizetype start, qsizetype end, bool ascii)
    {
        qsizetype from = start;
        qsizetype to = end;
        while (from < to && isBlankByte(data[from]))
            ++from;
        while (to > from && isBlankByte(data[to - 1]))
            --to;
        if (from == to)
            return;
        // Only a section header can make the lines after it count.
        if (m_current < 0 && data[from] != '[')
            return;
        if (!ascii) {
            readDecodedLine(QByteArray::fromRawData(data + start, end - start));
            return;
        }
        if (data[from] == ';')
            return;
        if (data[from] == '[') {
            const char *close = static_cast<const char *>(memchr(data + from + 1, ']', size_t(to - from - 1)));
            qsizetype nameFrom = from + 1;
            qsizetype nameTo = close ? close - data : to;
            trimBytes(data, nameFrom, nameTo);
            addSection(asciiFolded(data + nameFrom, nameTo - nameFrom));
            return;
        }
        const char *equals = static_cast<const char *>(memchr(data + from, '=', size_t(to - from)));
        if (!equals || equals == data + from)
            return;
        qsizetype nameTo = equals - data;
        qsizetype valueFrom = nameTo + 1;
        qsizetype valueTo = to;
        qsizetype nameFrom = from;
        trimBytes(data, nameFrom, nameTo);
        trimBytes(data, valueFrom, valueTo);
        if (valueTo - valueFrom >= 2 && data[valueFrom] == '"' && data[valueTo - 1] == '"') {
            ++valueFrom;
            --valueTo;
        }
        // The first value of a key counts; a later one is not even decoded.
        if (isNewKey(keyNumber(data + nameFrom, nameTo - nameFrom)))
            addValue(QLatin1StringView(data + valueFrom, valueTo - valueFrom));
    }

private:
    static void trimBytes(const char *data, qsizetype &from, qsizetype &to)
    {
        while (from < to && isBlankByte(data[from]))
            ++from;
        while (to > from && isBlankByte(data[to - 1]))
            --to;
    }

    static QString asciiFolded(const char *data, qsizetype size)
    {
        QString folded(size, Qt::Uninitialized);
        QChar *out = folded.data();
        for (qsizetype i = 0; i < size; ++i) {
            const char c = data[i];
            out[i] = QLatin1Char(c >= 'A' && c <= 'Z' ? char(c + 0x20) : c);
        }
        return folded;
    }

    // Key names repeat in every section, so each spelling is folded and numbered once.
    int keyNumber(const char *data, qsizetype size)
    {
        const auto known = m_spellings.constFind(QByteArray::fromRawData(data, size));
        if (known != m_spellings.constEnd())
            return known.value();
        const int number = keyNumber(asciiFolded(data, size));
        m_spellings.insert(QByteArray(data, size), number);
        return number;
    }

    int keyNumber(const QString &folded)
    {
        const auto known = m_values.m_keyIndex.constFind(folded);
        if (known != m_values.m_keyIndex.constEnd())
            return known.value();
        const int number = int(m_values.m_keyIndex.size());
        m_values.m_keyIndex.insert(folded, number);
        return number;
    }

    // Whether the key is new to the current section; if so, it is the next value's key.
    bool isNewKey(int key)
    {
        if (size_t(key) >= m_lastSectionOfKey.size())
            m_lastSectionOfKey.resize(size_t(key) + 1, -1);
        // Sections are read one after another, so a key seen in the current one is a repeat.
        if (m_lastSectionOfKey[size_t(key)] == m_current)
            return false;
        m_lastSectionOfKey[size_t(key)] = m_current;
        m_key = key;
        return true;
    }

    template <typename Text>
    void addValue(Text value)
    {
        m_values.m_keyValues.push_back(KeyValue{m_key, m_values.m_text.size(), value.size()});
        m_values.m_text.append(value);
        ++m_values.m_sections[size_t(m_current)].count;
    }

    void readDecodedLine(const QByteArray &line)
    {
        const Entry entry = parseLine(line, m_encoding);
        if (entry.kind == Entry::Section) {
            addSection(foldName(entry.name));
        } else if (entry.kind == Entry::Key && m_current >= 0) {
            if (isNewKey(keyNumber(foldName(entry.name))))
                addValue(QStringView(entry.value));
        }
    }

    // A repeated section counts nothing: its first occurrence holds the values.
    void addSection(const QString &folded)
    {
        if (m_values.m_sectionIndex.contains(folded)) {
            m_current = -1;
            return;
        }
        m_current = int(m_values.m_sections.size());
        m_values.m_sectionIndex.insert(folded, m_current);
        m_values.m_sections.push_back(Section{m_values.m_keyValues.size(), 0});
    }

    Values &m_values;
    Encoding m_encoding;
    int m_current = -1;                  // the section whose keys count; none before the first or in a repeat
    int m_key = -1;                      // the key of the value being added
    QHash<QByteArray, int> m_spellings;  // key names as spelled in the file -> their numbers
    std::vector<int> m_lastSectionOfKey; // by key number: the last section that gave it a value
};

Values Values::parse(const QByteArray &file)
{
    const Body body(file);
    const char *data = body.bytes.constData();
    const qsizetype size = body.bytes.size();
    Values values;
    // Nearly every line is a key: room for them all spares the table from growing step by step.
    values.m_keyValues.reserve(size_t(body.bytes.count('\n')) + 1);
    values.m_text.reserve(size);
    Reader reader(values, body.encoding);
    qsizetype pos = 0;
    while (pos < size) {
        // The same line ends as nextLine's: CR LF, LF or a lone CR.
        const qsizetype start = pos;
        unsigned char high = 0;
        qsizetype i = pos;
        for (; i < size; ++i) {
            const char c = data[i];
            if (c == '\n' || c == '\r')
                break;
            high |= static_cast<unsigned char>(c);
        }
        const qsizetype textEnd = i;
        if (i < size && data[i] == '\r')
            ++i;
        if (i < size && data[i] == '\n' && (i == textEnd || data[i - 1] == '\r'))
            ++i;
        pos = i;
        reader.readLine(data, start, textEnd, high < 0x80);
    }
    return values;
}

int Values::sectionNumber(const QString &section) const
{
    return m_sectionIndex.value(foldName(section), -1);
}

std::optional<QStringView> Values::view(int sectionNumber, const QString &key) const
{
    if (sectionNumber < 0 || size_t(sectionNumber) >= m_sections.size())
        return std::nullopt;
    const auto foundKey = m_keyIndex.constFind(foldName(key));
    if (foundKey == m_keyIndex.constEnd())
        return std::nullopt;
    // A section holds a handful of keys, side by side in memory.
    const Section &keys = m_sections[size_t(sectionNumber)];
    const auto first = m_keyValues.begin() + qsizetype(keys.first);
    const auto last = first + keys.count;
    const auto found = std::find_if(first, last, [&](const KeyValue &entry) { return entry.key == foundKey.value(); });
    if (found == last)
        return std::nullopt;
    return QStringView(m_text).mid(found->offset, found->size);
}

std::optional<QStringView> Values::view(const QString &section, const QString &key) const
{
    return view(sectionNumber(section), key);
}

std::optional<QString> Values::value(const QString &section, const QString &key) const
{
    if (const std::optional<QStringView> found = view(section, key))
        return found->toString();
    return std::nullopt;
}

QByteArray withValue(const QByteArray &file, const QString &section, const QString &key, const QString &value)
{
    checkName(section, NameKind::Section);
    checkName(key, NameKind::Key);
    checkValue(value);
    const Body body(file);
    const QByteArray &bytes = body.bytes;
    const QByteArray sectionBytes = encoded(section, body.encoding);
    const QByteArray keyBytes = encoded(key, body.encoding);
    const QByteArray valueBytes = encoded(value, body.encoding);

    const Placement place = locate(bytes, body.encoding, foldName(section), foldName(key));
    QByteArray result = body.mark;
    if (place.keyFound) {
        // '=' is never a byte inside a CP932 or UTF-8 character, so the first one ends the key.
        const QByteArray text = textOf(bytes, place.keyLine);
        const QByteArray fileKey = trimmedBytes(text.left(text.indexOf('=')));
        result += bytes.left(place.keyLine.start) + fileKey + '=' + valueBytes + LineEnd + bytes.mid(place.keyLine.end);
    } else if (place.sectionFound) {
        const LineSpan &after = place.lastFilledLine;
        const QByteArray newLine = keyBytes + '=' + valueBytes + LineEnd;
        const QByteArray lineEnd = after.textEnd == after.end ? LineEnd : QByteArray();
        result += bytes.left(after.end) + lineEnd + newLine + bytes.mid(after.end);
    } else {
        result += bytes;
        if (!bytes.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
            result += LineEnd;
        result += '[' + sectionBytes + ']' + LineEnd + keyBytes + '=' + valueBytes + LineEnd;
    }
    return result;
}

std::optional<QByteArray> withoutSection(const QByteArray &file, const QString &section)
{
    const Body body(file);
    const QByteArray &bytes = body.bytes;
    const Placement place = locate(bytes, body.encoding, foldName(section), QString());
    if (!place.sectionFound)
        return std::nullopt;
    return body.mark + bytes.left(place.sectionStart) + bytes.mid(place.sectionEnd);
}

Edit Edit::set(const QString &section, const QString &key, const QString &value)
{
    return Edit{section, key, value};
}

Edit Edit::eraseSection(const QString &section)
{
    return Edit{section, QString(), QString()};
}

namespace {

// A section header with every line up to the next header; the first block holds the lines
// before any header. A write or an erasure touches one block only, so each is applied to the
// bytes of its block alone.
struct Block
{
    QByteArray bytes;
    QString foldedName; // null for the lines before the first header
    bool erased = false;
};

std::vector<Block> splitIntoBlocks(const QByteArray &bytes)
{
    std::vector<Block> blocks(1);
    qsizetype blockStart = 0;
    qsizetype pos = 0;
    LineSpan line;
    while (nextLine(bytes, pos, line)) {
        const QByteArray text = textOf(bytes, line);
        if (!mayBeSectionLine(text))
            continue;
        blocks.back().bytes = bytes.mid(blockStart, line.start - blockStart);
        blockStart = line.start;
        blocks.push_back(Block{QByteArray(), foldName(parseLine(text).name)});
    }
    blocks.back().bytes = bytes.mid(blockStart);
    return blocks;
}

} // namespace

QByteArray withEdits(const QByteArray &bytes, const std::vector<Edit> &edits)
{
    std::vector<Block> blocks = splitIntoBlocks(bytes);
    QHash<QString, std::vector<size_t>> blocksByName;
    for (size_t i = 1; i < blocks.size(); ++i)
        blocksByName[blocks[i].foldedName].push_back(i);
    // The first section of a name is the one that counts, as for every single write.
    auto firstBlock = [&](const QString &folded) -> Block * {
        const auto found = blocksByName.constFind(folded);
        if (found == blocksByName.constEnd())
            return nullptr;
        for (size_t i : found.value()) {
            if (!blocks[i].erased)
                return &blocks[i];
        }
        return nullptr;
    };

    for (const Edit &edit : edits) {
        const QString folded = foldName(edit.section);
        Block *block = firstBlock(folded);
        if (edit.key.isNull()) {
            if (block)
                block->erased = true;
        } else if (block) {
            block->bytes = withValue(block->bytes, edit.section, edit.key, edit.value);
        } else {
            Block added{withValue(QByteArray(), edit.section, edit.key, edit.value), folded};
            for (auto last = blocks.rbegin(); last != blocks.rend(); ++last) {
                if (last->erased || last->bytes.isEmpty())
                    continue;
                if (!last->bytes.endsWith('\n') && !last->bytes.endsWith('\r'))
                    last->bytes += LineEnd;
                break;
            }
            blocksByName[folded].push_back(blocks.size());
            blocks.push_back(std::move(added));
        }
    }

    QByteArray result;
    result.reserve(bytes.size() + bytes.size() / 8 + 64);
    for (const Block &block : blocks) {
        if (!block.erased)
            result += block.bytes;
    }
    return result;
}

} // namespace ProfileText
