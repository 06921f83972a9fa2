#include "library/HallOfFameFile.h"

#include "library/FacePaths.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FileMoves.h"
#include "platform/files/FileSystemCalls.h"
#include "platform/system/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTimeZone>

namespace HallOfFameFile {

namespace {

const QString Heading = QStringLiteral("petara3 hall of fame 1");

void appendDigits(QByteArray &out, int value, int width)
{
    char digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = char('0' + value % 10);
        value /= 10;
    }
    out.append(digits, width);
}

// The number that text spells in exactly its digits; -1 for anything else.
int digitsValue(QStringView text)
{
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return text.isEmpty() ? -1 : value;
}

// A score as toBytes writes it: no sign, no leading zero, at most BestScore.
int scoreValue(QStringView text)
{
    if (text.size() > 3 || (text.size() > 1 && text.front() == u'0'))
        return -1;
    const int value = digitsValue(text);
    return value <= HallOfFame::BestScore ? value : -1;
}

QDateTime timeValue(QStringView text, const QTimeZone &zone)
{
    if (text.size() != 14)
        return QDateTime();
    const int year = digitsValue(text.sliced(0, 4));
    const int month = digitsValue(text.sliced(4, 2));
    const int day = digitsValue(text.sliced(6, 2));
    const int hour = digitsValue(text.sliced(8, 2));
    const int minute = digitsValue(text.sliced(10, 2));
    const int second = digitsValue(text.sliced(12, 2));
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    // The zone's own data is much quicker than the C library's local time, which looks at
    // /etc/localtime again for every time it converts.
    const QDateTime local(date, time, zone);
    if (local.isValid())
        return local;
    // A time the clock skipped here (written under another zone) keeps what it shows.
    return QDateTime(date, time, Qt::OffsetFromUTC, zone.offsetFromUtc(QDateTime(date, time, Qt::UTC)));
}

Loaded setAside(const QString &path)
{
    const QString damaged = path + QStringLiteral(".damaged");
    bool kept = false;
    try {
        kept = FileMoves::moveFile(path, damaged);
    } catch (const AppError &) {
        // It stays where it is; the game goes on with an empty hall all the same.
    }
    if (kept)
        return {HallOfFame(), QStringLiteral("殿堂の記録が壊れていたため、「%1」という別の名前で残して新しく始めます。")
                                  .arg(QDir::toNativeSeparators(damaged))};
    return {HallOfFame(),
            QStringLiteral("殿堂の記録「%1」が壊れていたため、新しく始めます。").arg(QDir::toNativeSeparators(path))};
}

} // namespace

QByteArray toBytes(const HallOfFame &hall)
{
    QByteArray out = Heading.toUtf8() + '\n';
    for (const QString &face : hall.faces()) {
        const QByteArray name = face.toUtf8();
        for (const HallOfFameEntry &entry : hall.entries(face)) {
            const QDate date = entry.when.date();
            const QTime time = entry.when.time();
            out += name + '\t' + QByteArray::number(entry.score) + '\t';
            appendDigits(out, date.year(), 4);
            appendDigits(out, date.month(), 2);
            appendDigits(out, date.day(), 2);
            appendDigits(out, time.hour(), 2);
            appendDigits(out, time.minute(), 2);
            appendDigits(out, time.second(), 2);
            out += '\t' + entry.player.toUtf8() + '\n';
        }
    }
    return out;
}

std::optional<HallOfFame> parse(const QByteArray &bytes)
{
    if (bytes.size() > MaxBytes)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;

    const QStringView all(text);
    qsizetype end = all.indexOf(u'\n');
    if (end < 0 || all.first(end) != Heading)
        return std::nullopt;
    HallOfFame hall;
    QString face;
    qsizetype kept = 0;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (qsizetype pos = end + 1; pos < all.size(); pos = end + 1) {
        end = all.indexOf(u'\n', pos);
        if (end < 0)
            return std::nullopt; // the last line has lost its end
        const QStringView line = all.sliced(pos, end - pos);
        const qsizetype tab1 = line.indexOf(u'\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf(u'\t', tab1 + 1);
        const qsizetype tab3 = tab2 < 0 ? -1 : line.indexOf(u'\t', tab2 + 1);
        if (tab3 < 0)
            return std::nullopt;
        const int score = scoreValue(line.sliced(tab1 + 1, tab2 - tab1 - 1));
        const QDateTime when = timeValue(line.sliced(tab2 + 1, tab3 - tab2 - 1), zone);
        const QStringView player = line.sliced(tab3 + 1);
        if (score < 0 || !when.isValid() || player.isEmpty())
            return std::nullopt;
        // A face's lines follow one another, so its name is made and looked up once.
        if (line.first(tab1) != face) {
            face = line.first(tab1).toString();
            kept = hall.entries(face).size();
        }
        // Entries read best first each go below the ones before; any other place means the file
        // was not written by toBytes. enter also refuses names with tabs and other control characters.
        if (hall.enter(face, {player.toString(), score, when}) != ++kept)
            return std::nullopt;
    }
    return hall;
}

std::optional<HallOfFame> read(const QString &appDir)
{
    const QString path = FacePaths::hallOfFame(appDir);
    // A pipe in its place would block the read, and a folder is no hall either.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(bytes);
}

Loaded load(const QString &appDir)
{
    const QString path = FacePaths::hallOfFame(appDir);
    if (!QFileInfo::exists(path))
        return {};
    std::optional<HallOfFame> hall = read(appDir);
    if (!hall)
        return setAside(path);
    return {*hall, QString()};
}

void save(const QString &appDir, const HallOfFame &hall)
{
    save(appDir, hall, FileSystemCalls::system());
}

void save(const QString &appDir, const HallOfFame &hall, FileSystemCalls &calls)
{
    const QByteArray bytes = toBytes(hall);
    if (bytes.size() > MaxBytes)
        throw AppError(QStringLiteral("殿堂の記録が大きくなりすぎたため、保存できませんでした。"));
    writeFileAtomically(FacePaths::hallOfFame(appDir), bytes, calls);
}

} // namespace HallOfFameFile
