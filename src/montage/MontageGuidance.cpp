#include "montage/MontageGuidance.h"

#include "montage/MontageTexts.h"

#include <algorithm>

namespace MontageGuidance {

std::optional<QString> afterLoad(bool allFiveShown, int faceRight, const std::array<int, 4> &partLefts)
{
    if (!allFiveShown)
        return MontageTexts::ChooseAndResize;
    if (std::all_of(partLefts.begin(), partLefts.end(), [faceRight](int left) { return faceRight < left; }))
        return MontageTexts::DragAndResize;
    return std::nullopt;
}

} // namespace MontageGuidance
