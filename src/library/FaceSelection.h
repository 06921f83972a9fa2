#pragma once

struct FaceLibrary;
struct MainWindowWidgets;
class ScreenState;
struct ShownFace;
struct ScreenConditions;

// The face selection screen, the hub every mode starts from and comes back to: the select
// command, the pick from the drop-down list, the return from face creation, and showing a face.
class FaceSelection
{
public:
    FaceSelection(MainWindowWidgets &widgets, FaceLibrary &library, ScreenState &screen, ShownFace &shown);

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

    MainWindowWidgets &w;
    FaceLibrary &m_library;
    ScreenState &m_screen;
    ShownFace &m_shown;
};
