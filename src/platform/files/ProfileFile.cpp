#include "platform/files/ProfileFile.h"

#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <limits>

ProfileFile::ProfileFile(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly))
        m_values = ProfileText::Values::parse(file.readAll());
}

std::optional<int> ProfileFile::parseInteger(QStringView text)
{
    const QStringView number = text.trimmed();
    qsizetype i = 0;
    const bool negative = number.startsWith(u'-');
    if (negative || number.startsWith(u'+'))
        ++i;
    if (i == number.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; i < number.size(); ++i) {
        const char16_t c = number[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

int ProfileFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return this->section(section).readInteger(key, defaultValue);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return this->section(section).readString(key, defaultValue);
}

ProfileFile::Section ProfileFile::section(const QString &name) const
{
    return Section(m_values, m_values.sectionNumber(name));
}

int ProfileFile::Section::readInteger(const QString &key, int defaultValue) const
{
    const std::optional<QStringView> text = m_values->view(m_number, key);
    if (!text)
        return defaultValue;
    return parseInteger(*text).value_or(defaultValue);
}

QString ProfileFile::Section::readString(const QString &key, const QString &defaultValue) const
{
    const std::optional<QStringView> text = m_values->view(m_number, key);
    return text ? text->toString() : defaultValue;
}

int ProfileFile::sectionCount() const
{
    return m_values.sectionCount();
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeInteger(section, key, value ? 1 : 0);
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // Checked before the file is touched, so a refused value writes nothing.
    const QByteArray current = readBytesForWrite();
    replaceFile(ProfileText::withValue(current, section, key, value));
}

void ProfileFile::eraseSection(const QString &section)
{
    const QByteArray current = readBytesForWrite();
    if (const std::optional<QByteArray> changed = ProfileText::withoutSection(current, section))
        replaceFile(*changed);
    else
        m_values = ProfileText::Values::parse(current);
}

// Another writer may have changed the file since it was read, so every write starts afresh.
QByteArray ProfileFile::readBytesForWrite() const
{
    QFile file(m_path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("ファイル「%1」を読み込めませんでした。").arg(QDir::toNativeSeparators(m_path)));
    return file.readAll();
}

void ProfileFile::replaceFile(const QByteArray &bytes)
{
    writeFileAtomically(m_path, bytes);
    m_values = ProfileText::Values::parse(bytes);
}
