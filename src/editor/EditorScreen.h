// What a view repaints when its document or its selection changes. Only the
// rows and cells whose picture changed are painted again; the rest of the
// view is moved by scrolling the window where rows were added or removed.
#pragma once

#include "editor/CustomEditor.h"
#include "editor/ScreenStrings.h"

#include <climits>
#include <vector>

namespace mojiro {

// The repaint that follows one replacement of rows (the row list's change
// record), in document rows.
struct ChangeRepaint {
    // Rows added or removed beyond a page: the whole text area is repainted.
    bool wholeTextArea = false;
    // Rows repainted in place; none when lastRow < firstRow.
    int firstRow = 0;
    int lastRow = -1;
    // The rows from scrollFrom down to the bottom of the view move by
    // scrollRows rows (down when positive), and the strip this uncovers is
    // repainted. Nothing moves when scrollRows is 0.
    int scrollFrom = 0;
    int scrollRows = 0;
    // A row past the end of the text that shows the end-of-file mark and
    // must be repainted; -1 when none.
    int tailRow = -1;
    bool operator==(const ChangeRepaint&) const = default;
};

// The repaint for a change record on a document of rowCount rows shown
// pageRows rows high.
[[nodiscard]] ChangeRepaint PlanChangeRepaint(const ChangeRecord& change, int rowCount,
                                              int pageRows);

// Cells of one row to repaint: display columns startCol..endCol-1.
struct CellSpan {
    int row = 0;
    int startCol = 0;
    int endCol = 0;
    bool operator==(const CellSpan&) const = default;
};

// An end column that reaches the right edge of the view, wherever that is.
constexpr int kRightEdge = INT_MAX;

// The cells whose highlight differs between two display selections, on the
// document rows firstVisible..lastVisible only. An empty selection (start
// equal to end) highlights nothing. In a box, an edge that falls on the second
// half of a double-byte character is drawn one cell further right, so a span
// at a moved box edge reaches one cell beyond it.
[[nodiscard]] std::vector<CellSpan>
SelectionRepaintSpans(const TCustomEditor::DisplaySelection& before,
                      const TCustomEditor::DisplaySelection& after, bool box, int firstVisible,
                      int lastVisible);

} // namespace mojiro
