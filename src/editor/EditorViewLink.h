// What the row list needs from a view (an editor control) attached to it.
// The editor control implements this; model tests use a fake.
#pragma once

#include "editor/ColumnClasses.h"

#include <cstddef>

namespace mojiro {

class TEditorViewInfo;

class EditorViewLink {
public:
    virtual ~EditorViewLink() = default;

    [[nodiscard]] virtual bool HasFocus() const = 0;
    // True while the control is still reading its stored properties; folding
    // and scanning wait until it has finished.
    [[nodiscard]] virtual bool IsLoadingProperties() const = 0;
    [[nodiscard]] virtual int TabSpaceCount() const = 0;
    [[nodiscard]] virtual const Delimiters& DelimiterSet() const = 0;
    // The scanning settings (enclosing pairs, mail, URL ...) of the view.
    [[nodiscard]] virtual const TEditorViewInfo& ViewInfo() const = 0;

    // Caret row and display column, and moving them.
    [[nodiscard]] virtual int Row() const = 0;
    [[nodiscard]] virtual int Col() const = 0;
    virtual void SetRow(int row) = 0;
    virtual void SetCol(int col) = 0;
    virtual void SetCaretByCharIndex(int row, std::ptrdiff_t index) = 0;
    virtual void CaretBeginUpdate() = 0;
    virtual void CaretEndUpdate() = 0;

    [[nodiscard]] virtual int TopRow() const = 0;
    // Rows of the screen's height: how far ahead scanner states are kept.
    [[nodiscard]] virtual int ScreenRows() const = 0;

    virtual void CleanSelection() = 0;
    // Repaint what the row list's change record names; when the record is
    // pending, mark the document modified and raise OnChange.
    virtual void RowListChanged() = 0;
    // After an update block: keep the caret row and top row inside the rows.
    virtual void ClampToRowCount() = 0;
    virtual void RepaintRow(int row) = 0;
    // After a refold or unfold of the whole document: recompute scroll
    // ranges, repaint, clamp, and put the caret in column 0.
    virtual void RowListRefolded() = 0;
    // After Clear: caret to row 0, column 0.
    virtual void ResetCaret() = 0;
};

} // namespace mojiro
