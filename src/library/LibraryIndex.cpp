#include "library/LibraryIndex.h"

#include "library/FacePaths.h"
#include "platform/system/DpiScale.h"
#include "platform/files/ProfileFile.h"

#include <algorithm>

LibraryIndex loadLibraryIndex(const QString &appDir, qint64 dpiScale)
{
    const ProfileFile profile(FacePaths::indexFile(appDir));
    LibraryIndex index;

    // Every face has a section of its own, so no honest count exceeds the sections in the file.
    index.StoredFaceCount = std::max(profile.readInteger(QStringLiteral("faces"), QStringLiteral("count"), -1), -1);
    const int faceCount = std::clamp(index.StoredFaceCount, 0, profile.sectionCount());

    index.TitleFaceIndex = profile.readInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), -1);
    if (index.TitleFaceIndex < -1 || index.TitleFaceIndex >= faceCount)
        index.TitleFaceIndex = -1;
    index.BgmOn = profile.readBool(QStringLiteral("BGM"), QStringLiteral("Play"), true);
    index.MusicFileName = profile.readString(QStringLiteral("BGM"), QStringLiteral("MusicFile"),
                                             FacePaths::defaultTune(appDir));

    // The same key names for every face, made and folded once: a folded name folds for free.
    const QString nameKey = ProfileText::foldName(QStringLiteral("Name"));
    const QString noName = QStringLiteral("Nothing");
    QString xKeys[4], yKeys[4];
    for (int k = 1; k <= 4; ++k) {
        xKeys[k - 1] = ProfileText::foldName(QStringLiteral("X%1").arg(k));
        yKeys[k - 1] = ProfileText::foldName(QStringLiteral("Y%1").arg(k));
    }
    index.Faces.reserve(faceCount);
    for (int n = 0; n < faceCount; ++n) {
        const ProfileFile::Section section = profile.section(QString::number(n));
        TFaceData face;
        face.Name = section.readString(nameKey, noName);
        int xs[4], ys[4];
        for (int k = 1; k <= 4; ++k)
            xs[k - 1] = section.readInteger(xKeys[k - 1], 0);
        for (int k = 1; k <= 4; ++k)
            ys[k - 1] = section.readInteger(yKeys[k - 1], 0);
        for (int k = 1; k <= 4; ++k)
            face.setPart(k, Dpi::fileToScreen(xs[k - 1], dpiScale), Dpi::fileToScreen(ys[k - 1], dpiScale));
        index.Faces.append(face);
    }
    return index;
}
