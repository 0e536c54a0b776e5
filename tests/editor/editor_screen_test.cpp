// What a view repaints after a change of its rows and after a change of its
// selection: the changed rows and cells only, the rest moved by scrolling.
#include "editor/EditorScreen.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace mojiro {

void PrintTo(const ChangeRepaint& p, std::ostream* os) {
    *os << "{whole " << p.wholeTextArea << ", rows " << p.firstRow << ".." << p.lastRow
        << ", scroll from " << p.scrollFrom << " by " << p.scrollRows << ", tail " << p.tailRow
        << "}";
}

void PrintTo(const CellSpan& s, std::ostream* os) {
    *os << "{row " << s.row << ", cols " << s.startCol << ".."
        << (s.endCol == kRightEdge ? std::string("edge") : std::to_string(s.endCol)) << "}";
}

namespace {

ChangeRecord Change(int first, int oldCount, int newCount, int rescanned) {
    return {first, oldCount, newCount, rescanned, true};
}

// ---- after a change of the rows ---------------------------------------------------

TEST(ChangeRepaintTest, NothingRecordedRepaintsNothing) {
    ChangeRecord change = Change(3, 1, 1, 1);
    change.pending = false;

    EXPECT_EQ(PlanChangeRepaint(change, 40, 20), ChangeRepaint{});
}

TEST(ChangeRepaintTest, SameRowCountRepaintsTheReplacedRowsOnly) {
    const ChangeRepaint plan = PlanChangeRepaint(Change(5, 2, 2, 2), 40, 20);

    EXPECT_EQ(plan, (ChangeRepaint{false, 5, 6, 0, 0, -1}));
}

TEST(ChangeRepaintTest, RowsRescannedBeyondTheChangeAreRepaintedWithIt) {
    // A closing bracket typed on row 5 recolours rows 6..8.
    const ChangeRepaint plan = PlanChangeRepaint(Change(5, 1, 1, 4), 40, 20);

    EXPECT_EQ(plan, (ChangeRepaint{false, 5, 8, 0, 0, -1}));
}

TEST(ChangeRepaintTest, ChangeOfTheLastRowRepaintsTheRowAfterItForTheEndMark) {
    const ChangeRepaint plan = PlanChangeRepaint(Change(9, 1, 1, 1), 10, 20);

    EXPECT_EQ(plan, (ChangeRepaint{false, 9, 10, 0, 0, -1}));
}

TEST(ChangeRepaintTest, AddedRowMovesTheRowsBelowDown) {
    const ChangeRepaint plan = PlanChangeRepaint(Change(5, 2, 3, 3), 41, 20);

    EXPECT_EQ(plan, (ChangeRepaint{false, 5, 7, 8, 1, -1}));
}

TEST(ChangeRepaintTest, RowRemovedAtTheEndRepaintsTheRowThatNowFollowsTheText) {
    const ChangeRepaint plan = PlanChangeRepaint(Change(8, 2, 1, 1), 9, 20);

    EXPECT_EQ(plan, (ChangeRepaint{false, 8, 8, 9, -1, 9}));
}

TEST(ChangeRepaintTest, MoreRowsAddedThanAPageRepaintsTheWholeTextArea) {
    EXPECT_TRUE(PlanChangeRepaint(Change(0, 1, 22, 22), 61, 20).wholeTextArea);
    EXPECT_FALSE(PlanChangeRepaint(Change(0, 1, 21, 21), 60, 20).wholeTextArea);
}

// ---- after a change of the selection -----------------------------------------------

using Sel = TCustomEditor::DisplaySelection;

TEST(SelectionRepaintTest, StreamEndMovedOnItsRowRepaintsTheCellsBetween) {
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(Sel{2, 2, 3, 5}, Sel{2, 2, 3, 8}, false, 0, 30);

    EXPECT_EQ(spans, (std::vector<CellSpan>{{2, 5, 8}}));
}

TEST(SelectionRepaintTest, StreamEndMovedToTheNextRowRepaintsBothRowEnds) {
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(Sel{2, 2, 3, 5}, Sel{2, 3, 3, 4}, false, 0, 30);

    // Row 2 now runs to the right edge; row 3 is highlighted up to column 4.
    EXPECT_EQ(spans, (std::vector<CellSpan>{{2, 5, kRightEdge}, {3, 0, 4}}));
}

TEST(SelectionRepaintTest, MiddleRowsOfAGrowingStreamAreNotRepainted) {
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(Sel{0, 10, 0, 2}, Sel{0, 11, 0, 1}, false, 0, 30);

    EXPECT_EQ(spans, (std::vector<CellSpan>{{10, 2, kRightEdge}, {11, 0, 1}}));
}

TEST(SelectionRepaintTest, RowsOffTheScreenAreLeftOut) {
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(Sel{0, 50, 0, 0}, Sel{0, 60, 0, 0}, false, 20, 40);

    EXPECT_TRUE(spans.empty());
}

TEST(SelectionRepaintTest, BoxEdgeMovedRepaintsItsColumnsOnEveryBoxRowAndOneCellMore) {
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(Sel{1, 2, 3, 6}, Sel{1, 2, 3, 8}, true, 0, 30);

    EXPECT_EQ(spans, (std::vector<CellSpan>{{1, 6, 9}, {2, 6, 9}}));
}

TEST(SelectionRepaintTest, RowLeavingABoxRepaintsItsBoxCells) {
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(Sel{1, 3, 3, 6}, Sel{1, 2, 3, 6}, true, 0, 30);

    EXPECT_EQ(spans, (std::vector<CellSpan>{{3, 3, 7}}));
}

} // namespace
} // namespace mojiro
