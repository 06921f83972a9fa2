#pragma once

#include <QByteArray>
#include <QString>

class FileSystemCalls;

// Replaces the file at path with bytes: they go to a new temporary file in the same folder,
// every write, the sync to disk and the close are checked, and only then is the temporary file
// renamed over the target. Readers see the old content or the new, never a part of it. On any
// failure the temporary file is removed, the target stays byte for byte as it was, and AppError
// is thrown naming the file and the reason ("ディスクの空き容量が足りません。", ...).
void writeFileAtomically(const QString &path, const QByteArray &bytes);
// The same through the given calls, which tests use to make single steps fail.
void writeFileAtomically(const QString &path, const QByteArray &bytes, FileSystemCalls &calls);

// Whether fileName is one of the temporary files that these writes make beside their targets,
// ".petara-<up to 8 hex digits>.tmp": a write killed before its rename leaves one behind.
bool isAtomicWriteTemporary(const QString &fileName);
