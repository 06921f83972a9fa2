#include "platform/AtomicFile.h"

#include "platform/AppError.h"

#include <QDir>
#include <QSaveFile>

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Never fall back to writing the target in place: a failure must leave the old file whole.
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly)
            && file.write(bytes) == bytes.size()
            && file.commit();
    // An uncommitted QSaveFile removes its temporary file when it goes away.
    if (!written) {
        throw AppError(QStringLiteral("ファイル「%1」に書き込めませんでした。")
                               .arg(QDir::toNativeSeparators(path)));
    }
}
