#include "app/CaretMemory.h"

#include "editor/CustomEditor.h"

namespace mojiro {

void TCaretMemory::Remember(const TCustomEditor& pane) {
    memoPosition_ = pane.SelStart();
    canJump_ = true;
}

void TCaretMemory::Jump(TCustomEditor& pane) const {
    if (!canJump_)
        return;
    // Whether the place was in view is judged by the view before the jump:
    // placing the caret may already have scrolled it just into view, at the
    // bottom, where the reader would not look for it.
    const int top = pane.TopRow();
    pane.SetSelStart(memoPosition_);
    const int row = pane.Row();
    if (row < top || row > top + pane.PageRows())
        pane.SetTopRow(row);
}

} // namespace mojiro
