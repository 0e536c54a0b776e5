// The extra space between screen rows, chosen as a fraction of the font size.
#pragma once

#include "editor/CustomEditor.h"

namespace mojiro {

// Sets editor.Margin().Line() to the font's point size times the fraction of
// index (0, 1/4, 1/3, 1/2, 2/3, 3/4, 1 for 0 to 6), rounded half to even.
// An index outside 0..6 gives no extra space.
void ApplyLineMargin(TCustomEditor& editor, int index);

} // namespace mojiro
