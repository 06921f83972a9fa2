#pragma once

#include "screen/PartTray.h"

#include <QPoint>
#include <QSize>
#include <QVector>
#include <Qt>

#include <functional>

class CreationCanvas;
class ScreenState;
struct FoundParts;
struct CreationState;
class CaptionLabel;
class CommandButton;
class QLineEdit;

// Outlining the four parts on the face box: a title chooses the part, a free-hand curve
// drawn with a button held marks it, and its box is cut out as the piece while the curve's
// polygon fills the hole. A right press on an outlined part's title lets the player pick
// the fill colour from the face, as often as wanted.
class PartOutlining
{
public:
    // The widgets it works on.
    struct Widgets
    {
        CaptionLabel *guidanceLabel = nullptr;
        QLineEdit *nameField = nullptr;
        CommandButton *selectButton = nullptr;
        CaptionLabel *outlineTitle = nullptr;
        PartTray parts;
    };

    PartOutlining(const Widgets &widgets, ScreenState &screen, CreationState &state, CreationCanvas &canvas);

    // A press on the title of part k (1 .. 4) with `button`.
    void partTitleMouseDown(int k, Qt::MouseButton button);
    // Pointer events on facePicture while no zoom is armed, in face-box pixels (any button).
    void press(QPoint at);
    void move(QPoint at);
    void release();

    // Prepares part k for a new outline, discarding its piece and fill.
    void beginPartOutline(int k);
    // Restores the outlining instructions, redraws the picture with every outlined part
    // filled, and makes k the current part.
    void redrawCreation(int k);
    // Cuts out the piece of the current part from the clean picture and fills every hole.
    void capturePart();
    // Takes each found outline of a part not yet outlined as an accepted curve filled in its
    // found colour, exactly as if drawn by hand, and marks it automatic; parts outlined by hand
    // stay as they are. Ends any zoom and colour pick, then runs the completion test.
    void outlineAutomatically(const FoundParts &found);
    // Takes back the parts that "自動" outlined: their pieces and fills go, and the picture is
    // redrawn with the fills that remain.
    void dropAutomaticOutlines();
    // After the working picture has changed under the outlines: moves every outline by `map`
    // (old face-box pixels to new ones) and cuts its piece anew from the new picture, keeping
    // its colour; an outline that no longer lies wholly on the picture, shown at `display`, goes.
    void carryOutlines(const std::function<QPoint(QPoint)> &map, QSize display);

private:
    // Part k's curve and its box, as a release would leave them.
    void setOutline(int k, const QVector<QPoint> &points);
    void dropOutline(int k);
    void startCurve(int k, QPoint at);
    void pickColour(int k, QPoint at);
    void checkCompletion();
    // Outlining has begun: the zoom is no longer offered in this face creation.
    void endZoomOffer();

    const Widgets w;
    ScreenState &m_screen;
    CreationState &m_state;
    CreationCanvas &m_canvas;
};
