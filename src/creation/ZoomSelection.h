#pragma once

#include "screen/PartTray.h"

#include <QPoint>
#include <QRect>

#include <QString>

class CreationCanvas;
class ScreenState;
struct CreationState;
class CaptionLabel;
struct ShownFace;

// The one zoom a face creation offers: "ズーム" arms it, a rectangle dragged on the face box
// chooses the region, and "ズーム" again makes that region the working picture, enlarged.
class ZoomSelection
{
public:
    // The widgets it works on.
    struct Widgets
    {
        CaptionLabel *guidanceLabel = nullptr;
        PartTray parts;
    };

    ZoomSelection(const Widgets &widgets, ScreenState &screen, CreationState &state, ShownFace &shown,
                  CreationCanvas &canvas);

    // The first "ズーム": presses on the picture choose a rectangle from now on.
    void arm();
    // The second "ズーム": the chosen rectangle becomes the working picture, enlarged; false,
    // with the reason in guidanceLabel, when it is refused.
    bool apply();
    // Pointer events on facePicture while the zoom is armed, in face-box pixels (any button).
    void press(QPoint at);
    void move(QPoint at);
    void release(QPoint at);
    // Applies the zoom to `selection` (face-box pixels) as if the player had dragged that
    // rectangle and pressed "ズーム"; false, with the reason in guidanceLabel, when it is refused.
    bool zoomTo(const QRect &selection);
    // Ends the selection, armed or not, and makes the part titles usable again; the caller
    // leaves the armed screen.
    void end();

private:
    // Whether a rectangle of some width and height awaits "ズーム".
    void setRectangleReady(bool ready);
    // Refuses the chosen rectangle with a word in the guidance line; the zoom stays armed.
    void refuse(const QString &why);
    void setTitlesEnabled(bool enabled);

    const Widgets w;
    ScreenState &m_screen;
    CreationState &m_state;
    ShownFace &m_shown;
    CreationCanvas &m_canvas;
};
