// Colour values of the editor's settings on screen: a stored colour is either
// red + 256 * green + 65536 * blue or 0x80000000 plus the index of a system
// colour, which follows the desktop's palette.
#pragma once

#include "editor/EditorTypes.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace mojiro {

// Number of system colour indexes (scroll bar 0 .. info background 24).
constexpr int kSystemColorCount = 25;

// The colour a value stands for under `palette`. A system index without a
// colour of its own (25 and above) is black, as the system reports it.
[[nodiscard]] QColor TColorToQColor(TColor color, const QPalette& palette);

// `font` with exactly the given styles (bold, italic, underline, strike-out).
[[nodiscard]] QFont StyledFont(const QFont& font, TFontStyles styles);

// The styles `font` carries.
[[nodiscard]] TFontStyles FontStylesOf(const QFont& font);

} // namespace mojiro
