#pragma once

struct MainWindowWidgets;

// Puts pickList beside the face picture, 5 pixels to the right of facePicture, at the top, 217 × 280,
// as the deletion and the gallery show it.
void placeListBesideFace(const MainWindowWidgets &w);
