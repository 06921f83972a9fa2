#include "library/LibraryLoading.h"

#include "library/DeletionFiles.h"
#include "library/FaceLibrary.h"

#include <QComboBox>

LibraryIndex loadLibrary(FaceLibrary &library, QComboBox &faceList, qint64 dpiScale)
{
    finishInterruptedDeletion(library.AppDir);
    library.DpiScale = dpiScale;
    LibraryIndex index = loadLibraryIndex(library.AppDir, dpiScale);
    library.Faces = std::move(index.Faces);
    index.Faces.clear();
    library.FaceCount = int(library.Faces.size());
    library.TitleFaceIndex = index.TitleFaceIndex;
    faceList.clear();
    for (const TFaceData &face : std::as_const(library.Faces))
        faceList.addItem(face.Name);
    faceList.setCurrentIndex(-1);
    return index;
}
