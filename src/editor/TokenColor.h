// Which of the view's colours a scanned token is painted in.
#pragma once

#include "editor/EditorParser.h"

#include <string_view>

namespace mojiro {

class TEditorColor;
class ReserveWordList;

// The colour of a token of `kind` with the bytes `tokenText`; `bracketIndex`
// is the parser's pair index for a tkBracket token. nullptr means the control's
// own background, font colour and style (tabs, the end, and a pair index that
// names no pair of the view).
[[nodiscard]] const TEditorColor* TokenColor(TokenKind kind, std::string_view tokenText,
                                             int bracketIndex, const TEditorViewInfo& view,
                                             const ReserveWordList& reserved);

} // namespace mojiro
