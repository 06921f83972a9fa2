#pragma once

// The face on show: which library face it is and the size its picture is drawn at in facePicture
// (longer side 300). Selection sets it; the game, unveiling and saving read it.
struct ShownFace
{
    int CurrentFace = 0;
    int DisplayWidth = 0;
    int DisplayHeight = 0;
};
