#pragma once

#include <QImage>

class PictureBox;
struct CreationState;
struct ShownFace;

// The face box during face creation: a 300 × 300 bitmap shown at 1:1, so pointer positions
// on facePicture are its pixels. Holds no pixels of its own; draws on facePicture's bitmap.
class CreationCanvas
{
public:
    CreationCanvas(PictureBox &image1, CreationState &state, ShownFace &shown);

    // facePicture's bitmap; a fresh white 300 × 300 one when it holds none of that size.
    QImage &surface();
    // Discards the bitmap: the box shows blank white, and the next drawing starts on it.
    void clear();
    // The working picture scaled into (0, 0)-(DisplayWidth, DisplayHeight), nothing else
    // touched; draws nothing while no picture is loaded.
    void showSourcePicture();
    // showSourcePicture on blank white, so that no dotted mark is left behind in the blank band
    // beside a picture that is not square.
    void drawCleanPicture();
    // Part i's polygon in its fill colour, over whatever the surface shows.
    void fillOutlinedPart(int i);
    // fillOutlinedPart for every outlined part, 1 to 4 in that order.
    void fillOutlinedParts();
    // Shows what was drawn.
    void changed();

private:
    PictureBox &m_image1;
    CreationState &m_state;
    ShownFace &m_shown;
};
