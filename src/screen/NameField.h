#pragma once

class QString;
class ScreenState;

// The name field serves the registration of a created face and the naming of a montage: the
// command that uses the name is offered exactly while the name is acceptable.
void nameFieldChanged(ScreenState &screen, const QString &text);
