#pragma once

#include "screen/PartTray.h"

struct FaceLibrary;
class CaptionLabel;
class ListBox;
class MouseUpCheckBox;
class PictureBox;
class QComboBox;
class QLineEdit;
class ScreenState;
struct ShownFace;
struct ScreenConditions;

// The face selection screen, the hub every mode starts from and comes back to: the select
// command, the pick from the drop-down list, the return from face creation, and showing a face.
class FaceSelection
{
public:
    // The widgets it works on.
    struct Widgets
    {
        PictureBox *titlePicture = nullptr;
        PictureBox *bannerPicture = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        CaptionLabel *scoreLabel = nullptr;
        QLineEdit *nameField = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        ListBox *pickList = nullptr;
        CaptionLabel *outlineTitle = nullptr;
        PartTray parts;
    };

    FaceSelection(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, ShownFace &shown);

    // "顔選択" or "キャンセル" on selectButton: enters face selection, stepping to the next face
    // when pressed on the selection screen itself. Throws AppError when picture 0 is missing.
    void selectCommand();
    // The player picked item index of faceList.
    void faceChosen(int index);
    // Back from face creation or the montage.
    void returnToFaceSelection();
    // Shows the current face whole with its name, and sets the display size.
    void showCurrentFace();

    bool FirstSelect = true;

private:
    // The selection screen under `conditions`, with the works menu offered if the folder is there.
    void enterFaceSelect(ScreenConditions conditions);
    void showSelectionGuidance();

    const Widgets w;
    FaceLibrary &m_library;
    ScreenState &m_screen;
    ShownFace &m_shown;
};
