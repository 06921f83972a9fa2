#pragma once

#include <QString>

#include <array>
#include <optional>

// What the guidance line says after a piece of the montage is loaded.
namespace MontageGuidance {

// While a piece is missing, how to load pieces; with all five loaded and every part still
// right of the face (faceRight < each left edge), how to place them; once a part has been put
// on the face, nothing new (empty: the line keeps its text).
std::optional<QString> afterLoad(bool allFiveShown, int faceRight, const std::array<int, 4> &partLefts);

} // namespace MontageGuidance
