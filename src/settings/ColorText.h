// Colours as stored text: a name for the sixteen fixed colours and the 25
// system colours, "$" and eight hexadecimal digits for any other.
#pragma once

#include "editor/EditorTypes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mojiro {

struct ColorName {
    std::string_view name;
    TColor value;
};

// The 41 named colours: the fixed ones first, then the system colours by index.
[[nodiscard]] std::span<const ColorName> ColorNames();

// The colour's name when it has one, else "$" and eight lower-case digits.
[[nodiscard]] std::string ColorToText(TColor color);

// A colour name (letter case ignored) or an integer text; nothing for any
// other text, which the reader then treats like an absent value.
[[nodiscard]] std::optional<TColor> TextToColor(std::string_view text);

} // namespace mojiro
