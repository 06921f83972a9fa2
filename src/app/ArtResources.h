#pragma once

// Registers the pictures compiled into the program (title, banner, icon). The game's code lives
// in a static library, whose resources are linked in only when asked for by name.
void loadArtResources();
