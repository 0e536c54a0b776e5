#include "settings/dialog/LineMargin.h"

#include <cmath>

namespace mojiro {

void ApplyLineMargin(TCustomEditor& editor, int index) {
    // Single precision with the fractions as the program has always written
    // them, so that the same sizes keep rounding the same way.
    static constexpr float kFractions[] = {0.0F, 0.25F, 0.33333F, 0.5F, 0.66667F, 0.75F, 1.0F};
    const float fraction = index >= 0 && index < 7 ? kFractions[index] : 0.0F;
    const float pixels = static_cast<float>(editor.Font().size) * fraction;
    // The default rounding mode rounds halves to even.
    editor.Margin().SetLine(static_cast<int>(std::nearbyint(pixels)));
}

} // namespace mojiro
