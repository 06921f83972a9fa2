#pragma once

#include "library/HallOfFame.h"

#include <QByteArray>
#include <QString>

#include <optional>

class FileSystemCalls;

// The hall of fame in data/halloffame.txt: UTF-8 text, the line "petara3 hall of fame 1", then
// one line per entry, each face's entries best first, fields split by tabs:
// face name, score (0 .. 300), yyyyMMddHHmmss in local time, player. Every line ends with "\n".
namespace HallOfFameFile {

// A larger hall is neither written nor read into memory; no real library comes near it.
inline constexpr qint64 MaxBytes = qint64(16) * 1024 * 1024;

QByteArray toBytes(const HallOfFame &hall);
// The hall the bytes hold, or nothing when anything in them is not what this game writes
// (a wrong first line, a malformed line, a bad score or date, more than ten entries of a face
// or entries out of order, bytes that are not UTF-8, more than MaxBytes).
std::optional<HallOfFame> parse(const QByteArray &bytes);

struct Loaded
{
    HallOfFame hall;
    QString problem; // for the player; empty unless the file was damaged
};

// The program folder's hall as it stands, or nothing when it is missing, is no regular file, or
// cannot be read or parsed. Leaves the file alone.
std::optional<HallOfFame> read(const QString &appDir);
// The program folder's hall. A missing file is an empty hall. A damaged or unreadable one is
// set aside as halloffame.txt.damaged (replacing an older one; left where it is when even that
// fails) and the hall starts empty, with a message saying so.
Loaded load(const QString &appDir);

// Replaces the file with the whole hall, atomically; throws AppError when it cannot, leaving the
// file as it was.
void save(const QString &appDir, const HallOfFame &hall);
// The same through the given calls, which tests use to stop the write at any step.
void save(const QString &appDir, const HallOfFame &hall, FileSystemCalls &calls);

} // namespace HallOfFameFile
