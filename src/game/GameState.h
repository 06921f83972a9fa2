#pragma once

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
    int Score = 0; // of the last unveiled face
};
