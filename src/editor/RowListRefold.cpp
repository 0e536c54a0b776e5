// Folding the whole document anew, or unfolding it, after a change of
// WordWrap or of the wrap options.
#include "editor/ScreenStrings.h"

namespace mojiro {

void TEditorScreenStrings::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    if (FirstViewLoading())
        return;
    undoObj_->ClearUndo();
    if (wordWrap_)
        FullRefold();
    else
        Unfold();
    AfterRefold();
}

void TEditorScreenStrings::WrapOptionChanged() {
    if (FirstViewLoading() || !wordWrap_)
        return;
    undoObj_->ClearUndo();
    refolding_ = true;
    struct ResetFlag {
        bool& flag;
        ~ResetFlag() { flag = false; }
    } reset{refolding_};
    FullRefold();
    AfterRefold();
}

void TEditorScreenStrings::AfterRefold() {
    RecomputeStates();
    for (EditorViewLink* view : views_)
        view->RowListRefolded();
}

void TEditorScreenStrings::FullRefold() {
    if (Count() == 0 || FirstViewLoading())
        return;
    RebuildLines(&Folder(), GetRowEndKind(Count() - 1));
}

void TEditorScreenStrings::Unfold() {
    if (Count() == 0)
        return;
    const RowEndKind lastKind = GetRowEndKind(Count() - 1);
    RebuildLines(nullptr, lastKind == RowEndKind::Wrapped ? RowEndKind::OpenLast : lastKind);
}

void TEditorScreenStrings::RebuildLines(LineFolder* folder, RowEndKind lastKind) {
    for (EditorViewLink* view : views_)
        view->CleanSelection();
    // The new rows are built beside the old ones and then swapped in, so a
    // mix of growing and shrinking lines cannot overwrite unread rows.
    TEditorStringList rows;
    ReserveFor(rows, ByteStart(Count()));
    for (int first = 0; first < Count();) {
        int last = first;
        while (last < Count() - 1 && GetRowEndKind(last) == RowEndKind::Wrapped)
            ++last;
        AppendLine(rows, Span(first, last + 1), folder);
        first = last + 1;
    }
    rows.SetRowEndKind(rows.Count() - 1, lastKind);
    // No view hears of the swap; the caller tells them all to start afresh.
    notifyViews_ = false;
    struct Restore {
        bool& flag;
        ~Restore() { flag = true; }
    } restore{notifyViews_};
    UpdateBlock block(*this);
    SwapContents(rows);
}

} // namespace mojiro
