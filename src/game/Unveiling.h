#pragma once

#include "screen/PartTray.h"

struct FaceLibrary;
class CaptionLabel;
class PictureBox;
class QLineEdit;
class QWidget;
struct GameState;
struct ShownFace;
class Chance;
class ScreenState;

// The unveiling of a finished real game with its score, and the saving of works: a game's face
// or a montage, as a JPEG of what the window shows over the face.
class Unveiling
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QWidget *client = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        CaptionLabel *scoreLabel = nullptr;
        QLineEdit *nameField = nullptr;
        PartTray parts;
    };

    Unveiling(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, GameState &state,
              const ShownFace &shown, Chance &clock);

    // "お披露目": the parts appear and the score is shown.
    void unveil();
    // "保存" after the unveiling or on a named montage: writes the work to the works folder.
    // Throws AppError when it cannot be written; the screen then stays as it is for another try.
    void saveWork();

private:
    const Widgets w;
    FaceLibrary &m_library;
    ScreenState &m_screen;
    GameState &m_state;
    const ShownFace &m_shown;
    Chance &m_clock;
};
