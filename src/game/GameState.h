#pragma once

#include "game/BlindRecord.h"

#include <QElapsedTimer>

#include <array>

class PictureBox;

// The state of the game being played, shared by its start, the dragging, the hints and the
// unveiling.
struct GameState
{
    PictureBox *CurrentPartImage = nullptr; // the part picture pressed last
    bool Dragging = false;                  // a part drag is under way
    int DragStartX = 0;                     // pointer's screen position at the press
    int DragStartY = 0;
    bool HintsLie = false; // the computer lies in this real game
    int HintTargetX = 0;   // where the hints steer the dragged part, face pixels
    int HintTargetY = 0;
    QPoint RightPlace; // where the dragged part belongs, face pixels: what tells a lying hint
    int Score = 0;     // of the last unveiled face
    // By part number, 1 right eye .. 4 mouth: the part lies on the face, not in the tray.
    std::array<bool, 5> PartOnFace{};
    // The blind drags and hints of the real game, for the replay; its times run from RealClock.
    BlindRecord Record;
    QElapsedTimer RealClock;

    bool allOnFace() const { return PartOnFace[1] && PartOnFace[2] && PartOnFace[3] && PartOnFace[4]; }
    bool anyOnFace() const { return PartOnFace[1] || PartOnFace[2] || PartOnFace[3] || PartOnFace[4]; }
};

// A part lies on the face when its left edge is at most the face's right edge; further right
// it is in the tray.
inline bool liesOnFace(int partLeft, int faceRight)
{
    return partLeft <= faceRight;
}
