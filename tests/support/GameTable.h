#pragma once

#include "support/TestProgramFolder.h"
#include "support/WindowHarness.h"

#include <memory>

// The table most game flows play at: the face "おかめ" and its parts' right places, and a window
// opened on face selection with it shown.
namespace GameTable {

TestProgramFolder::Face okame();

// Writes face and one more face into folder, makes face the opening face, opens the window and
// presses "顔選択".
std::unique_ptr<WindowHarness> openOnFace(TestProgramFolder &folder, const TestProgramFolder::Face &face);

} // namespace GameTable
