// The scanner state of every row: whether its first byte lies inside an
// enclosing pair. Kept current after edits, computed lazily beyond the screen.
#include "editor/EditorParser.h"
#include "editor/EditorViewInfo.h"
#include "editor/ScreenStrings.h"

#include <algorithm>

namespace mojiro {

int TEditorScreenStrings::StateAfter(int row, int state) const {
    const TEditorViewInfo* view = ScanView();
    // Only enclosing pairs change the state.
    if (view == nullptr || view->Brackets().Count() == 0)
        return state;
    std::string_view text = RowView(row);
    if (wordWrap_ && row < Count() - 1 && GetRowEndKind(row) == RowEndKind::Wrapped) {
        // A token cut by the fold is scanned whole: take the next row's first
        // token (or the blanks before it) along.
        const std::string_view joined = Span(row, row + 2);
        const std::string_view next = joined.substr(text.size());
        TEditorParser parser(next, kStateOutside, view);
        std::size_t take = parser.TokenOffset();
        if (parser.Token() != TokenKind::tkEnd && take == 0) {
            parser.NextToken();
            take = parser.TokenOffset();
        }
        text = joined.substr(0, text.size() + std::min(take, next.size()));
    }
    if (text.empty())
        return state;
    TEditorParser parser(text, state, view);
    int result = state;
    while (parser.Token() != TokenKind::tkEnd) {
        result = parser.State();
        parser.NextToken();
    }
    return result;
}

void TEditorScreenStrings::RecomputeStates() {
    if (FirstViewLoading())
        return;
    const TEditorViewInfo* view = ScanView();
    const bool pairs = view != nullptr && view->Brackets().Count() > 0;
    for (int row = 0; row < Count(); ++row)
        SetScannerState(row, pairs ? kStateUncomputed : kStateOutside);
    if (!pairs)
        return;
    const EditorViewLink* focused = FocusedView();
    const int last =
        std::min(Count() - 1, 2 * ScreenRowsAhead() + (focused ? focused->TopRow() : 0));
    int state = kStateOutside;
    for (int row = 0; row <= last; ++row) {
        SetScannerState(row, state);
        state = StateAfter(row, state);
    }
}

int TEditorScreenStrings::PropagateStates(int from, bool notify) {
    if (from < 0 || from >= Count())
        return 0;
    int known = from - 1;
    while (known >= 0 && ScannerState(known) == kStateUncomputed)
        --known;
    int state = kStateOutside;
    int row = 0;
    if (known >= 0) {
        state = StateAfter(known, ScannerState(known));
        row = known + 1;
    }
    const int limit = std::min(from + 2 * ScreenRowsAhead(), Count() - 1);
    int count = 0;
    for (; row <= limit; ++row) {
        if (ScannerState(row) == state)
            return count;
        SetScannerState(row, state);
        if (notify) {
            for (EditorViewLink* view : views_)
                view->RepaintRow(row);
            ++count;
        }
        state = StateAfter(row, state);
    }
    // States are only ever computed forward from a known row, so the computed
    // rows after `limit` end at the first uncomputed one.
    for (row = limit + 1; row < Count() && ScannerState(row) != kStateUncomputed; ++row)
        SetScannerState(row, kStateUncomputed);
    return count;
}

} // namespace mojiro
