#pragma once

// Writing a replay as the game does at the end of a game, 15 s at 15 frames a second, against
// saving every frame as a JPEG work; then reading it back.
void benchReplay();

// A typical game of four drags in 20 s: a replay frame on the screen against a still repaint, and
// the kept replay written as "保存" writes it.
void benchReplayOfAGame();
