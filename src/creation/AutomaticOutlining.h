#pragma once

#include "creation/LandmarkOutlines.h"

#include <QFutureWatcher>

#include <optional>

struct CreationState;
struct Form1Widgets;
struct ShownFace;

// The "自動" press of face creation: finds the face's landmarks on the picture as drawn in
// Image1 and proposes the four outlines a player would draw. The landmark model loads in the
// background from the start of the first face creation; meanwhile the button reads "準備中"
// and is disabled, and without a model installed it is never shown.
class AutomaticOutlining
{
public:
    AutomaticOutlining(const Form1Widgets &widgets, const CreationState &state, const ShownFace &shown);

    // The start of a face creation, before the picture is chosen: starts the model's load.
    void prepare();
    // The creation screen stands: shows the button if the model is installed, usable once
    // the model is ready and a picture is loaded.
    void offer();
    // The end of a face creation: hides the button.
    void end();
    // The outlines and fill colours of the largest face on the picture as drawn; nothing,
    // with the message in Label1, when no face is found. Changes nothing else.
    std::optional<FoundParts> findParts();

private:
    void refreshButton();

    const Form1Widgets &w;
    const CreationState &m_state;
    const ShownFace &m_shown;
    QFutureWatcher<void> m_load;
};
