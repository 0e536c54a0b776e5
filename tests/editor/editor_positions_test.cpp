// Conversions between pixels, rows and columns, byte offsets, logical lines
// and character indexes, and the metrics they rest on.
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

// 8-pixel cells from x = 19, 16-pixel rows from y = 2.
class Positions : public ::testing::Test {
protected:
    void SetUp() override { editor.InitFontMetrics(); }
    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }
    void Fold(int wrapByte) {
        editor.WrapOption().SetWrapByte(wrapByte);
        editor.SetWordWrap(true);
    }
    static int X(int col) { return 19 + 8 * col; }
    static int Y(int row) { return 2 + 16 * row; }

    test::FakeHost host;
    TCustomEditor editor{host};
};

TEST_F(Positions, MetricsFollowTheHostMarginsAndScrollBars) {
    EXPECT_EQ(editor.CharWidth(), 8);
    EXPECT_EQ(editor.RowHeight(), 16);
    EXPECT_EQ(editor.PageRows(), 24); // (400 - 2 - 5) / 16
    EXPECT_EQ(editor.PageCols(), 97); // (800 - 19 - 4) / 8

    editor.SetScrollBars(TScrollStyle::ssBoth);
    EXPECT_EQ(editor.PageRows(), 23); // 16 pixels less for the horizontal bar
    EXPECT_EQ(editor.PageCols(), 95);

    editor.Marks().Underline().SetVisible(true);
    editor.Margin().SetCharacter(2);
    EXPECT_EQ(editor.RowHeight(), 17);
    EXPECT_EQ(editor.CharWidth(), 10);
}

TEST_F(Positions, PosToRowColRoundsToTheNearestGapOnlyWhenAsked) {
    // The last three pixels of cell 3 round to the gap after it.
    EXPECT_EQ(editor.PosToRowCol(X(3) + 4, Y(2), true), (RowCol{2, 3}));
    EXPECT_EQ(editor.PosToRowCol(X(3) + 5, Y(2), true), (RowCol{2, 4}));
    EXPECT_EQ(editor.PosToRowCol(X(3) + 5, Y(2) + 15, false), (RowCol{2, 3}));
    // Left of the text area the column is 0; just above it truncation still
    // names the top row.
    EXPECT_EQ(editor.PosToRowCol(5, 0, false), (RowCol{0, 0}));
}

TEST_F(Positions, PosToRowColCountsFromTheScrollPosition) {
    Load(std::string(50, '\n'));
    editor.SetTopRow(10);
    EXPECT_EQ(editor.PosToRowCol(X(1), Y(1), false), (RowCol{11, 1}));
}

TEST_F(Positions, CharIndexFromPosNamesTheCharacterUnderThePoint) {
    Load("ab\r\n\x82\xA0"
         "c\r\n");                                         // あc
    EXPECT_EQ(editor.CharIndexFromPos(X(1) + 1, Y(1)), 4); // second half of あ
    EXPECT_EQ(editor.CharIndexFromPos(X(2) + 1, Y(1)), 6); // c
    EXPECT_EQ(editor.CharIndexFromPos(X(1), Y(0)), 1);
}

TEST_F(Positions, CharIndexFromPosFailsOutsideTheText) {
    Load("ab\r\ncd\r\n");
    EXPECT_EQ(editor.CharIndexFromPos(10, Y(0)), -1);   // left margin
    EXPECT_EQ(editor.CharIndexFromPos(X(5), Y(0)), -1); // beyond the row's end
    EXPECT_EQ(editor.CharIndexFromPos(X(0), Y(2)), -1); // the virtual row
    EXPECT_EQ(editor.CharIndexFromPos(X(0), Y(9)), -1); // below the rows
    EXPECT_EQ(editor.PosToRowOffset(X(0), 1).row, -1);  // top margin
}

TEST_F(Positions, PosToRowOffsetPutsATabFillColumnOnTheTab) {
    Load("a\tb\r\n");
    const RowOffset place = editor.PosToRowOffset(X(5), Y(0));
    EXPECT_EQ(place.row, 0);
    EXPECT_EQ(place.offset, 1);
}

TEST_F(Positions, ColumnsAndOffsetsConvertOverTabsAndDoubleByteCharacters) {
    Load("a\t\x8A\xBF"
         "b\r\n");                           // a, tab to column 8, 漢, b
    EXPECT_EQ(editor.ColToOffset(0, 10), 4); // b
    EXPECT_EQ(editor.ColToOffset(0, 5), 1);  // inside the tab
    EXPECT_EQ(editor.ColToOffset(0, 9), 3);  // second half of 漢
    EXPECT_EQ(editor.OffsetToCol(0, 4), 10);
    EXPECT_EQ(editor.OffsetToCol(0, 3), 9); // a cut character counts one byte
    EXPECT_EQ(editor.OffsetToCol(0, 99), 11);
    EXPECT_EQ(editor.ExpandedRowLength(0), 11);
}

TEST_F(Positions, LineOffsetFromRowColAddsTheRowsBeforeInTheSameLine) {
    Fold(20);
    Load(std::string(25, 'a') + "\r\nxyz");
    ASSERT_EQ(editor.RowCount(), 3);
    EXPECT_EQ(editor.LineOffsetFromRowCol(1, 3), 23);
    EXPECT_EQ(editor.LineOffsetFromRowCol(1, 10), 25); // clipped to the row
    EXPECT_EQ(editor.LineOffsetFromRowCol(2, 1), 1);
    EXPECT_EQ(editor.LineOffsetFromRowCol(-1, 0), -1);
    EXPECT_EQ(editor.LineOffsetFromRowCol(4, 0), -1);
    EXPECT_EQ(editor.LineOffsetFromRowCol(0, -1), -1);
}

TEST_F(Positions, RowToLineCountsLineEndsOnlyWhileFolding) {
    Load(std::string(25, 'a') + "\r\nxyz\r\n");
    EXPECT_EQ(editor.RowToLine(1), 1);
    Fold(20);
    EXPECT_EQ(editor.RowToLine(1), 0);
    EXPECT_EQ(editor.RowToLine(2), 1);
    EXPECT_EQ(editor.RowToLine(3), 2);
}

TEST_F(Positions, RowColToCharIndexIsNotClippedToTheRow) {
    Load("abc\r\ndef\r\n");
    EXPECT_EQ(editor.RowColToCharIndex(0, 1, 2), 7);
    EXPECT_EQ(editor.RowColToCharIndex(0, 1, 6), 11); // three columns past "def"
    EXPECT_EQ(editor.RowColToCharIndex(1, 1, 6), 6);
}

TEST_F(Positions, CaretPixelPosPutsTheUnderlineCaretAtTheCellBottom) {
    Load("abcdef\r\nabcdef\r\nabcdef\r\nabcdef\r\n");
    editor.SetRowCol(3, 5);
    EXPECT_EQ(editor.CaretPixelPos().x, 59);
    EXPECT_EQ(editor.CaretPixelPos().y, 50);
    editor.Caret().SetStyle(TEditorCaretStyle::csBrief);
    EXPECT_EQ(editor.CaretPixelPos().y, 64);
    editor.SetOverwrite(true);
    EXPECT_EQ(editor.CaretPixelPos().y, 50);
}

} // namespace
} // namespace mojiro
