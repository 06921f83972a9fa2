#pragma once

class ListBox;
class PictureBox;

// Puts the pick list beside the face picture, 5 pixels to its right, at the top, 217 × 280, as
// the deletion and the gallery show it.
void placeListBesideFace(const PictureBox &facePicture, ListBox &pickList);
