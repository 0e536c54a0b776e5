// Small helpers for tests that drive an editor view, headless or as a widget.
#pragma once

#include "editor/CustomEditor.h"

#include <string>

namespace mojiro::test {

// A selection made as Shift+navigation makes it: anchor, move, extend.
inline void SelectRange(TCustomEditor& editor, int fromRow, int fromCol, int toRow, int toCol) {
    editor.SetRowCol(fromRow, fromCol);
    editor.StartSelection();
    editor.SetRowCol(toRow, toCol);
    editor.ExtendSelection();
}

// "row 0", "row 1", … each with its line break.
inline std::string NumberedRows(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    return text;
}

} // namespace mojiro::test
