#pragma once

#include "platform/files/ProfileText.h"

#include <QString>

// The game's index file, read and written key by key like a Windows profile file.
// Every write re-reads the file, applies its one change and replaces the file atomically;
// the object's values then match the file. Failures throw AppError.
class ProfileFile
{
public:
    // Reads the whole file now; a missing or unreadable file reads as empty.
    explicit ProfileFile(QString path);

    const QString &path() const { return m_path; }

    // The value as a decimal 32-bit integer; defaultValue when missing or not wholly a number.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // True when the integer value is not 0.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // The number of distinct sections in the file.
    int sectionCount() const;

    // One section, found once for reading several of its keys. Valid while the file object
    // lives and is not written.
    class Section
    {
    public:
        int readInteger(const QString &key, int defaultValue) const;
        QString readString(const QString &key, const QString &defaultValue) const;

    private:
        friend class ProfileFile;
        Section(const ProfileText::Values &values, int number) : m_values(&values), m_number(number) {}

        const ProfileText::Values *m_values;
        int m_number; // -1 when the file has no such section: every key reads as its default
    };
    Section section(const QString &name) const;

    void writeInteger(const QString &section, const QString &key, int value);
    // Written as 1 or 0.
    void writeBool(const QString &section, const QString &key, bool value);
    // Refuses, writing nothing, line breaks and text that the file's encoding cannot hold
    // (CP932, or UTF-8 when the file starts with its byte-order mark).
    void writeString(const QString &section, const QString &key, const QString &value);
    // Removes the section's header and all its lines; no change when it is missing.
    void eraseSection(const QString &section);

    // The integer in text (trimmed, optional sign, decimal digits only, 32 bits), if it is one.
    static std::optional<int> parseInteger(QStringView text);

private:
    QByteArray readBytesForWrite() const;
    void replaceFile(const QByteArray &bytes);

    QString m_path;
    ProfileText::Values m_values;
};
