#pragma once

#include <QString>

// Moving and removing files by rename and unlink, for changes that must survive a kill at any
// point: a rename replaces its target in one step. Failures throw AppError naming the file.
namespace FileMoves {

// Renames from onto to, replacing any file there. False, changing nothing, when from is missing.
bool moveFile(const QString &from, const QString &to);

// Removes the file; nothing to do when it is missing.
void removeFile(const QString &path);

// Makes the renames and removals in the folder durable before the caller goes on.
void syncFolder(const QString &path);

} // namespace FileMoves
