// A stand-in for the editor control: records what the row list asks of it.
#pragma once

#include "editor/EditorViewInfo.h"
#include "editor/EditorViewLink.h"

#include <vector>

namespace mojiro {
class TEditorScreenStrings;
}

namespace mojiro::test {

class FakeView : public EditorViewLink {
public:
    bool HasFocus() const override { return focused; }
    bool IsLoadingProperties() const override { return loading; }
    int TabSpaceCount() const override { return tabWidth; }
    const Delimiters& DelimiterSet() const override { return DefaultDelimiters(); }
    const TEditorViewInfo& ViewInfo() const override { return view; }
    int Row() const override { return row; }
    int Col() const override { return col; }
    void SetRow(int r) override { row = r; }
    void SetCol(int c) override { col = c; }
    void SetCaretByCharIndex(int r, std::ptrdiff_t index) override {
        row = r;
        caretIndex = index;
    }
    void CaretBeginUpdate() override { ++caretHidden; }
    void CaretEndUpdate() override { --caretHidden; }
    int TopRow() const override { return 0; }
    int ScreenRows() const override { return screenRows; }
    void CleanSelection() override { ++selectionCleared; }
    void RowListChanged() override;
    void ClampToRowCount() override { ++clamps; }
    void RepaintRow(int r) override { repainted.push_back(r); }
    void RowListRefolded() override { ++refolds; }
    void ResetCaret() override { row = col = 0; }

    TEditorScreenStrings* rows = nullptr; // to read the change record
    TEditorViewInfo view;
    bool focused = false;
    bool loading = false;
    int tabWidth = 8;
    int screenRows = 10;
    int row = 0;
    int col = 0;
    std::ptrdiff_t caretIndex = 0;
    int caretHidden = 0;
    int selectionCleared = 0;
    int changes = 0;  // notifications with a pending change (OnChange)
    int notified = 0; // every notification
    int clamps = 0;
    int refolds = 0;
    std::vector<int> repainted;
};

} // namespace mojiro::test
