#pragma once

#include "screen/PartTray.h"

struct FaceLibrary;
class CommandButton;
class ListBox;
class MouseUpCheckBox;
class PictureBox;
class QComboBox;
struct GameState;
struct ShownFace;
class CaptionLabel;
class ScreenState;

// The montage screen: a face put together from the outline and the parts of several library
// faces. A title chooses the piece, a name in the list loads it, "+" and "-" resize a part,
// and the parts are placed and saved the way a practice game places and saves them.
class Montage
{
public:
    // The widgets it works on.
    struct Widgets
    {
        PictureBox *facePicture = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        ListBox *pickList = nullptr;
        CommandButton *shrinkButton = nullptr;
        CaptionLabel *outlineTitle = nullptr;
        PartTray parts;
    };

    Montage(const Widgets &widgets, const FaceLibrary &library, ScreenState &screen, GameState &game, ShownFace &shown);

    // The menu command: enters the montage screen with no piece loaded.
    void startMontage();
    // A left click on "顔の輪郭": the list loads outlines from now on.
    void outlineTitleClicked();
    // A press on part title k (1 .. 4) during the montage: the list loads and "+"/"-" resize
    // that part from now on.
    void partTitleMouseDown(int k);
    // A press on part picture k (1 .. 4) during the montage, before it is dragged: if the
    // picture is shown, the same as a press on its title.
    void partMouseDown(int k);
    // A click on the list's row `face`: loads that face's piece for the chosen title. Throws
    // AppError when the picture cannot be read, leaving the screen as it was.
    void takeFace(int face);
    // "+" and "-": resize the chosen part.
    void growPart();
    void shrinkPart();
    // One resize step of the chosen part picture, if it is shown; its top-left corner stays.
    void resizePart(float factor);

private:
    // Title `chosen` red, the other four yellow.
    void markTitle(CaptionLabel *chosen);
    void loadOutline(int face);
    void loadPart(int k, int face);
    void guideAfterLoad();
    // Which piece the list loads: 1 .. 4 a part, 5 the outline, 0 none yet.
    int CurrentPart = 0;

    const Widgets w;
    const FaceLibrary &m_library;
    ScreenState &m_screen;
    GameState &m_game;
    ShownFace &m_shown;
};
