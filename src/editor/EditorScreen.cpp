#include "editor/EditorScreen.h"

#include <algorithm>
#include <cstdlib>

namespace mojiro {

ChangeRepaint PlanChangeRepaint(const ChangeRecord& change, int rowCount, int pageRows) {
    ChangeRepaint plan;
    if (!change.pending)
        return plan;
    const int delta = change.newCount - change.oldCount;
    if (std::abs(delta) > pageRows) {
        plan.wholeTextArea = true;
        return plan;
    }
    // Rows whose scanner state the change rewrote beyond its own rows are
    // repainted with it: a closed bracket recolours the rows after it.
    const int end =
        change.firstRow + change.newCount + std::max(0, change.rescanned - change.newCount);
    plan.firstRow = change.firstRow;
    if (delta == 0) {
        // The row after the last one carries the end-of-file mark.
        plan.lastRow = end < rowCount ? end - 1 : end;
        return plan;
    }
    plan.lastRow = end - 1;
    // The old rows below the change now stand delta rows further down: the
    // window moves them, which leaves row `end` uncovered and repainted.
    plan.scrollFrom = end;
    plan.scrollRows = delta;
    if (end > rowCount - 1)
        plan.tailRow = end;
    return plan;
}

namespace {

// The highlighted columns of a row, [start, end); empty when start >= end.
struct Interval {
    int start = 0;
    int end = 0;
    [[nodiscard]] bool Empty() const { return start >= end; }
};

Interval Highlighted(const TCustomEditor::DisplaySelection& s, bool box, int row) {
    if (row < s.startRow || row > s.endRow)
        return {};
    if (box)
        return {s.startCol, s.endCol};
    // A stream runs from its start to the right edge on its first row, over
    // whole rows in between, and from the left edge on its last row.
    return {row == s.startRow ? s.startCol : 0, row == s.endRow ? s.endCol : kRightEdge};
}

void AddSpan(std::vector<CellSpan>& spans, int row, int start, int end, bool box) {
    if (start >= end)
        return;
    if (box && end != kRightEdge)
        ++end; // a box edge on a trail byte is drawn one cell to the right
    spans.push_back({row, start, end});
}

} // namespace

std::vector<CellSpan> SelectionRepaintSpans(const TCustomEditor::DisplaySelection& before,
                                            const TCustomEditor::DisplaySelection& after, bool box,
                                            int firstVisible, int lastVisible) {
    std::vector<CellSpan> spans;
    const int first = std::max(std::min(before.startRow, after.startRow), firstVisible);
    const int last = std::min(std::max(before.endRow, after.endRow), lastVisible);
    for (int row = first; row <= last; ++row) {
        const Interval old = Highlighted(before, box, row);
        const Interval now = Highlighted(after, box, row);
        if (old.Empty() && now.Empty())
            continue;
        if (old.Empty() || now.Empty() || old.end <= now.start || now.end <= old.start) {
            // Nothing in common: each highlight changed as a whole.
            AddSpan(spans, row, old.start, old.end, box);
            AddSpan(spans, row, now.start, now.end, box);
            continue;
        }
        // Overlapping: only the cells between the old and the new ends changed.
        AddSpan(spans, row, std::min(old.start, now.start), std::max(old.start, now.start), box);
        AddSpan(spans, row, std::min(old.end, now.end), std::max(old.end, now.end), box);
    }
    return spans;
}

} // namespace mojiro
