#pragma once

class Chance;
struct FaceLibrary;

// The face the game opens with: the chosen opening face, or, when none is chosen, a face drawn
// at random after re-seeding. Throws AppError naming the index when the library has no face,
// so that no face that is not there is ever read.
int openingFace(const FaceLibrary &library, Chance &chance);
