// Two widgets sharing one document: both hear of every change, both repaint
// it, and the one undo history serves both.
#include "QtTestApp.h"
#include "editor/control/TEditor.h"

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <gtest/gtest.h>

namespace mojiro::test {
namespace {

// The centre of a row's first cell, in viewport coordinates.
QPoint CellCentre(const TEditor& view, int row) {
    return {view.Margin().Left() + view.CharWidth() / 2,
            view.Margin().Top() + (row - view.TopRow()) * view.RowHeight() + view.RowHeight() / 2};
}

class SplitViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        upper.resize(300, 200);
        lower.resize(300, 200);
        upper.show();
        lower.show();
        lower.AttachTo(upper);
        upper.Lines().SetText("one\r\ntwo\r\nthree\r\n");
        upper.OnChange = [this](TCustomEditor*) { ++upperChanges; };
        lower.OnChange = [this](TCustomEditor*) { ++lowerChanges; };
        FlushEvents();
    }
    TEditor upper;
    TEditor lower;
    int upperChanges = 0;
    int lowerChanges = 0;
};

TEST_F(SplitViewTest, EditInOneViewNotifiesAndRepaintsBoth) {
    PaintRecorder upperPaints(upper.viewport());
    PaintRecorder lowerPaints(lower.viewport());

    upper.SetRowCol(1, 3);
    upper.InsertText("!");
    FlushEvents();

    EXPECT_EQ(lower.Lines().Text(), "one\r\ntwo!\r\nthree\r\n");
    EXPECT_EQ(upperChanges, 1);
    EXPECT_EQ(lowerChanges, 1);
    EXPECT_TRUE(upperPaints.painted.contains(CellCentre(upper, 1)));
    EXPECT_TRUE(lowerPaints.painted.contains(CellCentre(lower, 1)));
    EXPECT_TRUE(lower.Modified());
}

TEST_F(SplitViewTest, UndoInEitherViewUndoesTheNewestChange) {
    upper.SetRowCol(0, 0);
    upper.InsertText("A");
    lower.SetRowCol(2, 0);
    lower.InsertText("B");

    upper.Undo();
    EXPECT_EQ(lower.Lines().Text(), "Aone\r\ntwo\r\nthree\r\n");

    lower.Undo();
    EXPECT_EQ(upper.Lines().Text(), "one\r\ntwo\r\nthree\r\n");
}

TEST(SplitViewLifetimeTest, DocumentOutlivesTheViewItCameFrom) {
    auto first = std::make_unique<TEditor>();
    TEditor second;
    second.AttachTo(*first);
    first->Lines().SetText("kept\r\n");

    first.reset();
    second.InsertText("still ");

    EXPECT_EQ(second.Lines().Text(), "still kept\r\n");
}

} // namespace
} // namespace mojiro::test
