// The logical-line facade `Lines` over the row list.
#include "editor/EditorStrings.h"
#include "editor/FakeView.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

class Lines : public ::testing::Test {
protected:
    void SetUp() override {
        view.rows = &rows;
        rows.AttachView(&view);
    }
    test::FakeView view;
    TEditorScreenStrings rows;
    TEditorStrings lines{rows, &view};
};

TEST_F(Lines, CountAndGetWorkInLogicalLinesWhenFolded) {
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    rows.LoadFromBytes(std::string(50, 'a') + "\r\nb\r\n");
    ASSERT_EQ(rows.Count(), 4);
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Get(0), std::string(50, 'a'));
    EXPECT_EQ(lines.Get(1), "b");
    EXPECT_EQ(lines.LineToRow(1), 3);
    EXPECT_EQ(lines.LineToRow(2), 4);
    EXPECT_THROW((void)lines.LineToRow(3), ListIndexError);
}

TEST_F(Lines, AddKeepsATextWithoutFinalBreakThatWay) {
    rows.LoadFromBytes("a\r\nb");
    EXPECT_EQ(lines.Add("c"), 2);
    EXPECT_EQ(rows.Text(), "a\r\nb\r\nc");
    rows.LoadFromBytes("a\r\n");
    lines.Add("c");
    EXPECT_EQ(rows.Text(), "a\r\nc\r\n");
}

TEST_F(Lines, InsertAtTheEndAdds) {
    rows.LoadFromBytes("a\r\nb");
    lines.Insert(lines.Count(), "c");
    EXPECT_EQ(rows.Text(), "a\r\nb\r\nc");
    lines.Insert(0, "z");
    EXPECT_EQ(rows.Text(), "z\r\na\r\nb\r\nc");
}

TEST_F(Lines, PutKeepsTheLineBreakAndDeleteRemovesTheLine) {
    rows.LoadFromBytes("a\r\nb\r\nc");
    lines.Put(1, "xyz");
    EXPECT_EQ(rows.Text(), "a\r\nxyz\r\nc");
    EXPECT_EQ(view.caretIndex, 5); // after the replacement and its break
    lines.Delete(0);
    EXPECT_EQ(rows.Text(), "xyz\r\nc");
    EXPECT_EQ(view.caretIndex, 0);
    EXPECT_EQ(view.caretHidden, 0);
    EXPECT_GE(view.selectionCleared, 2);
}

TEST_F(Lines, AssignPutsTheCaretAfterTheLastRow) {
    lines.Assign({"one", "two"});
    EXPECT_EQ(rows.Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(view.row, 2);
    EXPECT_EQ(view.col, 0);
}

TEST_F(Lines, NestedUpdatesNotifyTheViewsOnce) {
    rows.LoadFromBytes("a\r\n");
    view.notified = 0;
    lines.BeginUpdate();
    lines.BeginUpdate();
    lines.Add("b");
    lines.Add("c");
    lines.EndUpdate();
    EXPECT_EQ(view.notified, 0);
    lines.EndUpdate();
    EXPECT_EQ(view.notified, 1);
    EXPECT_EQ(view.caretHidden, 0);
}

} // namespace
} // namespace mojiro
