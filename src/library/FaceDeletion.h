#pragma once

#include "library/DeletionFiles.h"

#include <QStringList>

class Dialogs;
class ScreenState;
struct FaceLibrary;
class CaptionLabel;
class ListBox;
class MouseUpCheckBox;
class PictureBox;
class QComboBox;
class QWidget;
struct ShownFace;

// The face deletion screen: a list of the library's faces, a click to see one, "削除" to remove
// it and move every later face down by one number. The library never goes below two faces.
class FaceDeletion
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QWidget *client = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        ListBox *pickList = nullptr;
    };

    FaceDeletion(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, ShownFace &shown, Dialogs &dialogs);

    // Menu "顔の削除": enters the deletion screen.
    void startDeletion();
    // The player picked row `row` of the list: shows that face and arms "削除" (with more than
    // two faces only). Throws AppError when its picture cannot be read; "削除" then stays off.
    void markFace(int row);
    // "削除": deletes the picked face, asking first when it is the opening face. Throws AppError,
    // leaving the library as it was, when the deletion cannot begin. A deletion that fails after
    // its commit is completed at once, or else at the next start: this run then says so and ends.
    void deleteMarkedFaces();

    // Runs before every file operation of a deletion (tests cut deletions short with it).
    void setFileStep(DeletionFiles::Step step) { m_fileStep = std::move(step); }

private:
    // The files' part of the deletion: true when done, false when it stands but is left to the
    // next start. Throws AppError when nothing has changed.
    bool deleteFiles(int deleted, int titleAfter);
    // The table, the current and opening faces and both lists after the deletion.
    void applyToTable(int deleted, int titleAfter);
    void refillLists();
    QStringList faceNames() const;
    // Which face "削除" deletes; -1 for none, which leaves the button off.
    void pick(int row);

    const Widgets w;
    FaceLibrary &m_library;
    ScreenState &m_screen;
    ShownFace &m_shown;
    Dialogs &m_dialogs;
    DeletionFiles::Step m_fileStep;
    int m_picked = -1;
};
