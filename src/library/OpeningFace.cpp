#include "library/OpeningFace.h"

#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "platform/system/AppError.h"
#include "platform/system/Chance.h"

#include <QDir>

int openingFace(const FaceLibrary &library, Chance &chance)
{
    if (library.FaceCount <= 0)
        throw AppError(QStringLiteral("顔のデータがありません。\r「%1」を確認してください。")
                           .arg(QDir::toNativeSeparators(FacePaths::indexFile(library.AppDir))));
    if (library.hasFace(library.TitleFaceIndex))
        return library.TitleFaceIndex;
    chance.reseed();
    return chance.below(library.FaceCount);
}
