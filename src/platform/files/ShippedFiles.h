#pragma once

#include <QString>
#include <QStringList>

// The files a package ships, copied into a folder the player owns.
namespace ShippedFiles {

// Every file below source, as paths relative to it ('/'-separated), sorted, hidden files included.
QStringList list(const QString &source);

// Copies each file below source that target lacks, making folders as needed, and leaves every file
// target already has alone. lastRelative (one of the files, or empty) is copied last, so its presence
// says that an earlier copy finished. Each file is written atomically, so a copy killed half-way
// leaves only whole files and the next call completes it. Returns the copied relative paths; throws
// AppError naming the file or folder and the reason when one cannot be read or written.
QStringList copyMissing(const QString &source, const QString &target, const QString &lastRelative = QString());

} // namespace ShippedFiles
