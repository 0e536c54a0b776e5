// Finding a text in the document without regard to letter case, straight
// from the rows: the whole text is never joined. Positions are character
// indexes (every line break counts its two bytes CR LF), and a match may
// begin at any byte, also on the trail byte of a double-byte character.
#pragma once

#include "editor/ScreenStrings.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mojiro {

enum class SearchDirection { Forward = 1, Backward = -1 };

// Forward: the first match that begins at `start` or after it. Backward: the
// last match that begins before `start` (it may run on past `start`). Text
// and search text are compared after upper-casing each as the code page
// does (AnsiUpperCase: single-byte a..z only, never a trail byte), the text
// read from the start of each row. An empty search text matches at the first
// candidate: `start` forward, `start` - 1 backward, none past the end.
[[nodiscard]] std::optional<std::ptrdiff_t> FindText(const TEditorScreenStrings& rows,
                                                     std::string_view searchText,
                                                     std::ptrdiff_t start,
                                                     SearchDirection direction);

} // namespace mojiro
