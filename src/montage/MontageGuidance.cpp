#include "montage/MontageGuidance.h"

#include "montage/MontageTexts.h"

namespace MontageGuidance {

std::optional<QString> afterLoad(bool allFiveShown, bool anyPartOnFace)
{
    if (!allFiveShown)
        return MontageTexts::ChooseAndResize;
    if (!anyPartOnFace)
        return MontageTexts::DragAndResize;
    return std::nullopt;
}

} // namespace MontageGuidance
