#pragma once

#include <array>

class CaptionLabel;
class PictureBox;

// The four parts' pictures and title labels, part k = 1 right eye, 2 left eye, 3 nose, 4 mouth.
struct PartTray
{
    std::array<PictureBox *, 4> pictures{};
    std::array<CaptionLabel *, 4> titles{};

    PictureBox *picture(int k) const { return pictures[k - 1]; }
    CaptionLabel *title(int k) const { return titles[k - 1]; }
};
