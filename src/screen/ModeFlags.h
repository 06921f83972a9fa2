#pragma once

// The mode flags that, with the button captions, make up the screen state.
struct ModeFlags
{
    bool CreateMode = false;
    bool MontageMode = false;
    bool DeleteMode = false;
    bool ZoomMode = false;
    bool OutlineDragging = false;
    int CurrentPart = 0;
};
