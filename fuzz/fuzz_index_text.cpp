// The index file's text: line parsing, CP932 decoding, the library read at start-up, and the
// writes that keep the file's layout. Whatever the bytes, a write must read back as written.

#include "FuzzInput.h"

#include "library/LibraryIndex.h"
#include "platform/system/AppError.h"
#include "platform/files/ProfileFile.h"
#include "platform/files/ProfileText.h"
#include "platform/files/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>

namespace {

// The library as the game loads it at start-up, from a program folder holding only the index.
void loadAsTheGameDoes(const QByteArray &bytes, int sectionCount)
{
    static QTemporaryDir programFolder;
    static const bool ready = programFolder.isValid() && QDir(programFolder.path()).mkpath(QStringLiteral("data"));
    require(ready);
    QFile index(programFolder.filePath(QStringLiteral("data/facedata.ini")));
    require(index.open(QIODevice::WriteOnly | QIODevice::Truncate) && index.write(bytes) == bytes.size());
    index.close();
    for (const qint64 scale : {qint64(10000), qint64(15000)}) {
        const LibraryIndex library = loadLibraryIndex(programFolder.path() + QLatin1Char('/'), scale);
        require(library.Faces.size() <= sectionCount);
        require(library.TitleFaceIndex >= -1 && library.TitleFaceIndex < library.Faces.size());
    }
}

// The values the way the reader is defined: every line through parseLine, one after another,
// the first section and the first key of each name counting. The reader takes shortcuts for
// lines of plain ASCII, which must come to the same.
std::map<QString, std::map<QString, QString>> readLineByLine(const QByteArray &file)
{
    const ProfileText::Encoding encoding = ProfileText::encodingOf(file);
    const QByteArray bytes = encoding == ProfileText::Encoding::Utf8 ? file.mid(3) : file;
    std::map<QString, std::map<QString, QString>> sections;
    std::map<QString, QString> *current = nullptr;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        // CR LF, LF and a lone CR each end a line.
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const ProfileText::Entry entry = ProfileText::parseLine(bytes.mid(pos, end - pos), encoding);
        const qsizetype textEnd = end;
        if (end < bytes.size() && bytes[end] == '\r')
            ++end;
        if (end < bytes.size() && bytes[end] == '\n' && (end == textEnd || bytes[end - 1] == '\r'))
            ++end;
        pos = end;
        if (entry.kind == ProfileText::Entry::Section) {
            const QString name = ProfileText::foldName(entry.name);
            current = sections.count(name) ? nullptr : &sections[name];
        } else if (entry.kind == ProfileText::Entry::Key && current) {
            current->try_emplace(ProfileText::foldName(entry.name), entry.value);
        }
    }
    return sections;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);

    const QString text = TextCodec::fromCp932(bytes);
    (void)TextCodec::toCp932(text);
    (void)ProfileFile::parseInteger(text);

    const ProfileText::Values values = ProfileText::Values::parse(bytes);
    const auto reference = readLineByLine(bytes);
    require(values.sectionCount() == int(reference.size()));
    for (const auto &[section, keys] : reference) {
        require(values.sectionNumber(section) >= 0);
        for (const auto &[key, value] : keys)
            require(values.value(section, key) == value);
    }
    for (const char *section : {"faces", "TitleFace", "BGM", "0", "1"}) {
        for (const char *key : {"count", "Name", "X1", "Y4", "NO", "Play", "FileName"}) {
            const std::optional<QString> value = values.value(QString::fromLatin1(section), QString::fromLatin1(key));
            if (value)
                (void)ProfileFile::parseInteger(*value);
        }
    }

    loadAsTheGameDoes(bytes, values.sectionCount());

    // Writing a key and reading it back; the name of a section is taken from the input too.
    const QString section = values.sectionCount() > 0 && !text.isEmpty() ? text.left(8).trimmed()
                                                                         : QStringLiteral("faces");
    try {
        const QByteArray written = ProfileText::withValue(bytes, section, QStringLiteral("count"), QStringLiteral("7"));
        require(ProfileText::Values::parse(written).value(section, QStringLiteral("count")) == QStringLiteral("7"));
    } catch (const AppError &) {
        // Names the file cannot hold are refused; that is a clean answer.
    }
    (void)ProfileText::withoutSection(bytes, QStringLiteral("1"));
    return 0;
}
