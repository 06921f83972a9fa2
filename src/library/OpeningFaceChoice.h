#pragma once

class Dialogs;
class QCheckBox;
struct FaceLibrary;
struct ShownFace;

// The "オープニングの顔に使う" box: asks before making the shown face the opening face, or
// before clearing it, and writes the choice to the index at once.
class OpeningFaceChoice
{
public:
    OpeningFaceChoice(QCheckBox &checkBox, FaceLibrary &library, const ShownFace &shown, Dialogs &dialogs);

    // A mouse button was released over the box; its tick is already toggled by then.
    void openingFaceBoxReleased();

private:
    void writeTitleFace(int face);

    QCheckBox &m_checkBox;
    FaceLibrary &m_library;
    const ShownFace &m_shown;
    Dialogs &m_dialogs;
};
