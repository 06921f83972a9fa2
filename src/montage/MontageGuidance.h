#pragma once

#include <QString>

#include <optional>

// What the guidance line says after a piece of the montage is loaded.
namespace MontageGuidance {

// While a piece is missing, how to load pieces; with all five loaded and every part still in
// the tray, how to place them; once a part lies on the face, nothing new (empty: the line
// keeps its text).
std::optional<QString> afterLoad(bool allFiveShown, bool anyPartOnFace);

} // namespace MontageGuidance
