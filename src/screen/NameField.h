#pragma once

struct Form1Widgets;
struct ModeFlags;

// Edit1Change: the name field serves the registration of a created face and the naming of a
// montage. The command that uses the name is offered exactly while the name is acceptable.
void nameFieldChanged(const Form1Widgets &w, const ModeFlags &modes);
