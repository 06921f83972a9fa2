#pragma once

#include "screen/PartTray.h"

#include <QString>

class CreationCanvas;
class Dialogs;
class ScreenState;
struct CreationState;
class CaptionLabel;
class MouseUpCheckBox;
class QComboBox;
struct ShownFace;

// The start of a face creation: the player picks a JPEG or bitmap picture, the screen turns
// into the creation screen, and the picture is shown fitted into the face box.
class PictureLoading
{
public:
    // The widgets it works on.
    struct Widgets
    {
        CaptionLabel *guidanceLabel = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        PartTray parts;
    };

    PictureLoading(const Widgets &widgets, ScreenState &screen, CreationState &state, ShownFace &shown,
                   CreationCanvas &canvas, Dialogs &dialogs);

    // Menu "顔の作成(&C)". Nothing happens when the dialog is closed without a choice. A file
    // that is not a JPEG or a bitmap by its extension leaves the box blank, with a message;
    // a file that cannot be decoded, and a picture so thin that one side of it would be shown
    // 0 pixels long, throw AppError once the screen has switched.
    void startFaceCreation();

private:
    void switchToCreationScreen();
    void load(const QString &path);
    void offerOutlining();

    const Widgets w;
    ScreenState &m_screen;
    CreationState &m_state;
    ShownFace &m_shown;
    CreationCanvas &m_canvas;
    Dialogs &m_dialogs;
};
