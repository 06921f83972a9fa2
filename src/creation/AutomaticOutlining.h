#pragma once

#include "creation/FaceTurn.h"
#include "creation/WorkingPicture.h"

#include <QFutureWatcher>
#include <QRect>
#include <QSize>

class CreationCanvas;
class PartOutlining;
class ZoomSelection;
struct CreationState;
class CaptionLabel;
class CommandButton;
struct ShownFace;

// The "自動" press of face creation: finds the faces on the working picture, frames a small
// one through the zoom, and outlines its four parts as a player would. The landmark model loads
// in the background from the start of the first face creation; meanwhile the button reads
// "準備中" and is disabled, and without a model installed it is never shown.
class AutomaticOutlining
{
public:
    // The widgets it works on.
    struct Widgets
    {
        CaptionLabel *guidanceLabel = nullptr;
        CommandButton *automaticButton = nullptr;
    };

    AutomaticOutlining(const Widgets &widgets, CreationState &state, ShownFace &shown, CreationCanvas &canvas,
                       ZoomSelection &zoom, PartOutlining &outlining);

    // The start of a face creation, before the picture is chosen: starts the model's load.
    void prepare();
    // The creation screen stands: shows the button if the model is installed, usable once
    // the model is ready and a picture is loaded.
    void offer();
    // The end of a face creation: hides the button and forgets the faces found.
    void end();
    // "自動": takes the next face of the picture (the largest at the first press), takes back
    // the parts the previous press outlined, frames the face when it is small (or goes back
    // to the whole picture; the parts outlined by hand follow it) and outlines every part not
    // outlined by hand that lies on the picture; guidanceLabel says what was done. With no face
    // found only guidanceLabel changes.
    void press();

private:
    void refreshButton();
    bool pictureIsOurs() const;
    void showPicture(const WorkingPicture &picture, QSize display);

    const Widgets w;
    CreationState &m_state;
    ShownFace &m_shown;
    CreationCanvas &m_canvas;
    ZoomSelection &m_zoom;
    PartOutlining &m_outlining;
    QFutureWatcher<void> m_load;

    // The picture the faces were found on, as it was shown then, before any framing.
    WorkingPicture m_base;
    QSize m_baseDisplay;
    FaceTurn m_turn;
    // The working picture as the last press left it, to tell whether it has changed since.
    qint64 m_leftPicture = 0;
    bool m_framed = false;
    QRect m_frame; // the part of the picture the framing shows, in its pixels
};
