#pragma once

class PictureBox;
struct PartTray;

// Lines the part pictures up right of the face: right eye and left eye side by side,
// 20 pixels apart, the nose and the mouth below the right eye.
void layOutTray(const PictureBox &facePicture, const PartTray &parts);
