#pragma once

struct Form1Widgets;

// Puts ListBox1 beside the face picture, 5 pixels to the right of Image1, at the top, 217 × 280,
// as the deletion and the gallery show it.
void placeListBesideFace(const Form1Widgets &w);
