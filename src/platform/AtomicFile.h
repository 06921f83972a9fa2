#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes: a temporary file in the same folder is renamed over it,
// so readers see either the old or the new content. Throws AppError naming the file on failure,
// leaving the old file as it was and no temporary file behind.
void writeFileAtomically(const QString &path, const QByteArray &bytes);
