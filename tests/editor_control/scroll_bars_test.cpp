// The scroll bars show the view's position and move it; bringing a bar in
// line with the view does not scroll it a second time.
#include "EditorTestSupport.h"
#include "QtTestApp.h"
#include "editor/control/TEditor.h"

#include <QScrollBar>
#include <QStyle>
#include <gtest/gtest.h>
#include <string>

namespace mojiro::test {
namespace {

class ScrollBarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(300, 200);
        editor.show();
        FlushEvents();
        editor.Lines().SetText(NumberedRows(100));
    }
    TEditor editor;
};

TEST_F(ScrollBarsTest, VerticalBarFollowsTheTopRowAndReachesTheLastRow) {
    editor.SetScrollBars(TScrollStyle::ssVertical);
    FlushEvents();

    editor.SetTopRow(10);

    const QScrollBar* bar = editor.verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(editor.horizontalScrollBar()->isVisible());
    EXPECT_EQ(bar->value(), 10);
    EXPECT_EQ(bar->pageStep(), editor.PageRows());
    EXPECT_EQ(bar->maximum(), editor.RowCount() - 1);
}

TEST_F(ScrollBarsTest, ViewScrolledPastTheBarsLastPositionStaysThere) {
    editor.SetScrollBars(TScrollStyle::ssVertical);
    FlushEvents();

    // Only the virtual row in view: further than the thumb can go.
    editor.SetTopRow(editor.RowCount());

    EXPECT_EQ(editor.TopRow(), editor.RowCount());
    EXPECT_EQ(editor.verticalScrollBar()->value(), editor.verticalScrollBar()->maximum());
}

TEST_F(ScrollBarsTest, MovingTheVerticalBarScrollsTheViewOnce) {
    editor.SetScrollBars(TScrollStyle::ssVertical);
    FlushEvents();
    int topRowChanges = 0;
    editor.OnTopRowChange = [&](TCustomEditor*) { ++topRowChanges; };

    editor.verticalScrollBar()->setValue(20);

    EXPECT_EQ(editor.TopRow(), 20);
    EXPECT_EQ(topRowChanges, 1);
    EXPECT_EQ(editor.Row(), 0);
}

TEST_F(ScrollBarsTest, HorizontalBarFollowsTheTopColumnAndMovesIt) {
    editor.SetScrollBars(TScrollStyle::ssBoth);
    FlushEvents();

    editor.SetTopCol(5);
    EXPECT_EQ(editor.horizontalScrollBar()->value(), 5);

    editor.horizontalScrollBar()->setValue(12);
    EXPECT_EQ(editor.TopCol(), 12);
}

TEST_F(ScrollBarsTest, ShownBarsLeaveFewerRowsAndColumns) {
    const int rows = editor.PageRows();
    const int cols = editor.PageCols();

    editor.SetScrollBars(TScrollStyle::ssBoth);
    FlushEvents();

    const int extent = editor.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(editor.PageRows(), (200 - editor.Margin().Top() - 5 - extent) / editor.RowHeight());
    EXPECT_LE(editor.PageRows(), rows);
    EXPECT_LT(editor.PageCols(), cols);
}

} // namespace
} // namespace mojiro::test
