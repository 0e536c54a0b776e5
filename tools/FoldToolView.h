// The one view mojiro-fold attaches to its row list. The row list takes the
// tab width and delimiters for folding from its first view; nothing is shown,
// so every request to move a caret or repaint is ignored.
#pragma once

#include "editor/EditorViewInfo.h"
#include "editor/EditorViewLink.h"

namespace mojiro {

class FoldToolView : public EditorViewLink {
public:
    explicit FoldToolView(int tabWidth) : tabWidth_(tabWidth) {}

    [[nodiscard]] bool HasFocus() const override { return true; }
    [[nodiscard]] bool IsLoadingProperties() const override { return false; }
    [[nodiscard]] int TabSpaceCount() const override { return tabWidth_; }
    [[nodiscard]] const Delimiters& DelimiterSet() const override { return DefaultDelimiters(); }
    [[nodiscard]] const TEditorViewInfo& ViewInfo() const override { return viewInfo_; }

    [[nodiscard]] int Row() const override { return 0; }
    [[nodiscard]] int Col() const override { return 0; }
    void SetRow(int) override {}
    void SetCol(int) override {}
    void SetCaretByCharIndex(int, std::ptrdiff_t) override {}
    void CaretBeginUpdate() override {}
    void CaretEndUpdate() override {}

    [[nodiscard]] int TopRow() const override { return 0; }
    // Scanner states are of no use here; keep the row list from computing
    // more of them than it must.
    [[nodiscard]] int ScreenRows() const override { return 1; }

    void CleanSelection() override {}
    void RowListChanged() override {}
    void ClampToRowCount() override {}
    void RepaintRow(int) override {}
    void RowListRefolded() override {}
    void ResetCaret() override {}

private:
    int tabWidth_;
    TEditorViewInfo viewInfo_;
};

} // namespace mojiro
