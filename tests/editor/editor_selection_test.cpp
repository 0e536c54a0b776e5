// Selection of the editor view: stream and box selections, their text and
// measures in character indexes, the anchor states, the remainder edits
// write back, token selection and the selection events.
#include "EditorTestSupport.h"
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro {
namespace {

// The view with its caret-row underline count in sight.
class UnderlineEditor : public TCustomEditor {
public:
    using TCustomEditor::TCustomEditor;
    using TCustomEditor::UnderlineHideCount;
};

class SelectionTest : public ::testing::Test {
protected:
    SelectionTest() {
        editor.InitFontMetrics();
        editor.OnSelectionChange = [this](TCustomEditor*, bool on) {
            selectionEvents.push_back(on);
        };
        editor.OnSelectionModeChange = [this](TCustomEditor*) { ++modeEvents; };
    }

    // As a file is read: a text without a final line break ends in an open row.
    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }

    void Fold20() {
        editor.WrapOption().SetWrapByte(20);
        editor.SetWordWrap(true);
    }

    // Shift+navigation: anchor, move, extend.
    void Select(int fromRow, int fromCol, int toRow, int toCol) {
        test::SelectRange(editor, fromRow, fromCol, toRow, toCol);
    }

    // A client point inside the cell at (row, col).
    [[nodiscard]] TCustomEditor::Point CellPoint(int row, int col) const {
        return {editor.Margin().Left() + col * editor.CharWidth() + 1,
                editor.Margin().Top() + row * editor.RowHeight() + 1};
    }

    test::FakeHost host;
    UnderlineEditor editor{host};
    std::vector<bool> selectionEvents;
    int modeEvents = 0;
};

TEST_F(SelectionTest, StreamSelectionAcrossRowsCountsTheLineBreaks) {
    Load("\x8a\xbf\x8e\x9a\r\nab\x82\xa0\r\nxyz");              // 漢字 / abあ / xyz
    Select(2, 1, 0, 2);                                         // made backwards
    EXPECT_EQ(editor.SelText(), "\x8e\x9a\r\nab\x82\xa0\r\nx"); // 字 CR LF abあ CR LF x
    EXPECT_EQ(editor.SelLength(), 11);
    EXPECT_EQ(editor.SelStart(), 2);
}

TEST_F(SelectionTest, StreamSelectionAcrossAWrappedRowHasNoLineBreakAtTheFold) {
    Fold20();
    Load("0123456789abcdefghijKLMNO\r\nend"); // folds after "j"
    ASSERT_EQ(editor.ListInfo().GetRowEndKind(0), RowEndKind::Wrapped);
    Select(0, 18, 1, 3);
    EXPECT_EQ(editor.SelText(), "ijKLM");
    EXPECT_EQ(editor.SelLength(), 5);
}

TEST_F(SelectionTest, StreamSelectionIsTheTextBetweenItsCharacterIndexes) {
    // Every start and length over line-end rows, a wrapped row and an open
    // last row. An index on the LF of a CR LF stands at the end of its row,
    // and the length counts from there.
    Fold20();
    Load("ab\r\n\r\n0123456789abcdefghijKL\r\nxyz");
    const std::string text = editor.Lines().Text();
    const auto length = static_cast<std::ptrdiff_t>(text.size());
    auto snap = [&](std::ptrdiff_t i) {
        i = std::min(i, length);
        return i > 0 && i < length && text[i] == '\n' ? i - 1 : i;
    };
    for (std::ptrdiff_t start = 0; start <= length; ++start) {
        for (std::ptrdiff_t n = 1; start + n <= length + 1; ++n) {
            editor.SetSelStart(start);
            editor.SetSelLength(n);
            const std::ptrdiff_t from = snap(start);
            const std::ptrdiff_t to = snap(from + n);
            ASSERT_EQ(editor.SelStart(), from) << "start " << start << " length " << n;
            ASSERT_EQ(editor.SelText(), text.substr(from, to - from))
                << "start " << start << " length " << n;
            ASSERT_EQ(editor.SelLength(), to - from) << "start " << start << " length " << n;
        }
    }
}

TEST_F(SelectionTest, SelStartOfAFreeCaretPastTheTextIsTheRowEnd) {
    Load("abc\r\ndefgh");
    editor.SetRowCol(0, 12);
    EXPECT_EQ(editor.SelStart(), 3);
    editor.StartSelection(); // the stream anchor column is limited too
    editor.SetRowCol(1, 2);
    editor.ExtendSelection();
    EXPECT_EQ(editor.SelectionDisplay().startCol, 3);
    EXPECT_EQ(editor.SelText(), "\r\nde");
}

// Four rows of different lengths under a box over columns 1..2.
class BoxSelectionTest : public SelectionTest {
protected:
    void SetUp() override {
        Load("ab\x82\xa0"
             "cd\r\n"                  // abあcd: あ on columns 2-3
             "\x82\xa0\x82\xa2xyz\r\n" // あいxyz: あ on 0-1, い on 2-3
             "q\r\n"
             "0123456789");
        editor.SetSelectionMode(TEditorSelectionMode::smBox);
        Select(0, 1, 3, 3);
    }
};

TEST_F(BoxSelectionTest, TextHoldsEachRowsBoxPartFollowedByALineBreak) {
    // あ half inside the right edge of row 0 comes in whole; あ half inside
    // the left edge of row 1 stays out; "q" ends before the box.
    EXPECT_EQ(editor.SelText(), "b\x82\xa0\r\n\x82\xa2\r\n\r\n12\r\n"); // bあ / い / / 12
    EXPECT_EQ(editor.SelLength(), 15);
}

TEST_F(BoxSelectionTest, PlacesCountAsTheBoxPartCountsTheirCharacters) {
    EXPECT_FALSE(editor.PosInSelection(1, 1)); // second half of あ, cut on the left
    EXPECT_TRUE(editor.PosInSelection(1, 3));  // second half of い, cut on the right
    EXPECT_TRUE(editor.PosInSelection(2, 2));  // empty space inside the box
    EXPECT_FALSE(editor.PosInSelection(3, 3));
}

TEST_F(BoxSelectionTest, RemainderIsEachRowWithoutItsBoxPart) {
    const RemainderList list = editor.SelectionRemainder();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].text, "\x82\xa0xyz"); // あxyz
    EXPECT_EQ(list[1].insertIndex, 3);
    EXPECT_EQ(list[2].insertIndex, 2); // where the box begins, past the short row
    EXPECT_EQ(TCustomEditor::RemainderText(list), "acd\r\n\x82\xa0xyz\r\nq\r\n03456789");
}

TEST_F(SelectionTest, BoxEdgesInsideATabLeaveItOutOnTheLeftAndTakeItOnTheRight) {
    editor.Caret().SetTabSpaceCount(4);
    editor.Caret().SetInTab(true); // so that the caret, and a box edge, can stand in a tab
    Load("a\tbc\r\na\tbc");        // the tab covers columns 1..3
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    Select(0, 2, 1, 5);
    EXPECT_EQ(editor.SelText(), "b\r\nb\r\n");
    Select(0, 0, 1, 2);
    EXPECT_EQ(editor.SelText(), "a\t\r\na\t\r\n");
}

TEST_F(SelectionTest, SelectAllCoversTheWholeText) {
    Fold20();
    for (const char* text : {"ab\r\n0123456789abcdefghijKLMNO\r\nend", "ab\r\ncd\r\n"}) {
        SCOPED_TRACE(text);
        Load(text);
        editor.SelectAll();
        EXPECT_EQ(editor.SelStart(), 0);
        EXPECT_EQ(editor.SelLength(), editor.TextLength());
    }
    EXPECT_EQ(editor.Row(), 2); // the virtual row after the final line break
}

TEST_F(SelectionTest, SetSelLengthCountsFromTheStartOfAnActiveSelection) {
    Load("abcdef");
    Select(0, 1, 0, 4);
    editor.SetSelLength(2);
    EXPECT_EQ(editor.SelText(), "bc");
    EXPECT_EQ(editor.Col(), 3);
}

TEST_F(SelectionTest, SetSelLengthInBoxModeSwitchesToStream) {
    Load("abcdef\r\nghi");
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    modeEvents = 0;
    editor.SetSelStart(1);
    editor.SetSelLength(8);
    EXPECT_EQ(editor.SelectionMode(), TEditorSelectionMode::smStream);
    EXPECT_EQ(modeEvents, 1);
    EXPECT_EQ(editor.SelText(), "bcdef\r\ng");
}

TEST_F(SelectionTest, AnchoredSelectionSelectsNothing) {
    Load("abc");
    editor.StartSelection(); // a press without a move
    editor.SetCol(3);
    EXPECT_EQ(editor.SelectionState(), 1);
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(editor.SelText(), "");
    EXPECT_EQ(editor.SelStart(), 3);
    EXPECT_FALSE(editor.PosInSelection(0, 2));
    EXPECT_TRUE(selectionEvents.empty());
}

TEST_F(SelectionTest, ShiftRightSelectsOneCharacterAndShiftLeftLeavesAnActiveEmptySelection) {
    Load("\x82\xa0"
         "b"); // あb
    editor.StartSelection();
    editor.MoveRight();
    editor.ExtendSelection();
    EXPECT_EQ(editor.SelText(), "\x82\xa0"); // あ
    editor.MoveLeft();
    editor.ExtendSelection();
    EXPECT_TRUE(editor.Selected());
    EXPECT_EQ(editor.SelLength(), 0);
    EXPECT_EQ(editor.UnderlineHideCount(), 1); // no underline under a selection
    editor.CleanSelection();
    EXPECT_EQ(editor.UnderlineHideCount(), 0);
}

TEST_F(SelectionTest, SelectionEventsTellWhetherSomethingIsSelected) {
    Load("abc\r\ndef");
    Select(0, 0, 0, 2);
    editor.SetRowCol(1, 1);
    editor.ExtendSelection();
    editor.SetSelStart(0);
    EXPECT_EQ(selectionEvents, (std::vector<bool>{true, true, false}));
}

TEST_F(SelectionTest, CleaningForgetsTheRememberedColumn) {
    editor.Caret().SetFreeCaret(false);
    editor.Caret().SetKeepCaret(true);
    Load("0123456789\r\nab\r\n0123456789");
    editor.SetRowCol(0, 8);
    editor.MoveDown(); // pushed to column 2, remembering 8
    editor.StartSelection();
    editor.ExtendSelection();
    editor.CleanSelection();
    editor.MoveDown();
    EXPECT_EQ(editor.Col(), 2);
}

TEST_F(SelectionTest, SelectionIsDroppedAlsoWithoutAWindow) {
    // An edit after this must insert at the caret, not replace the old selection.
    Load("abcdef");
    host.window = false;
    editor.SelectAll();
    editor.SetSelStart(2);
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(editor.SelStart(), 2);
}

TEST_F(SelectionTest, SwitchingToBoxRedrawsAndReshapesAnActiveSelection) {
    editor.Caret().Cursors().SetDefaultCursor(crIBeam);
    Load("abcd\r\nab\r\nabcd");
    Select(0, 1, 2, 3);
    host.fullRepaints = 0;
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    EXPECT_EQ(editor.SelText(), "bc\r\nb\r\nbc\r\n");
    EXPECT_EQ(host.cursor, crIBeam);
    EXPECT_EQ(host.fullRepaints, 1);
    EXPECT_EQ(modeEvents, 1);
}

TEST_F(SelectionTest, StreamPlacesBetweenTheEndsAreInside) {
    Load("abc\r\ndef\r\nghi\r\n");
    Select(0, 1, 2, 1);
    EXPECT_FALSE(editor.PosInSelection(0, 0));
    EXPECT_TRUE(editor.PosInSelection(0, 1));
    EXPECT_TRUE(editor.PosInSelection(1, 40)); // a middle row is inside to the right edge
    EXPECT_FALSE(editor.PosInSelection(2, 1));
}

TEST_F(SelectionTest, StreamRemainderJoinsTheOuterPartsOfTheEndRows) {
    Load("abc\r\ndef\r\nghi");
    Select(0, 1, 2, 1);
    const RemainderList list = editor.SelectionRemainder();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "ahi");
    EXPECT_EQ(list[0].kind, RowEndKind::OpenLast);
    EXPECT_EQ(list[0].insertIndex, 2);
    Load("abc\r\ndef\r\n");
    Select(1, 1, 2, 0); // to the virtual row: the final break goes too
    EXPECT_EQ(TCustomEditor::RemainderText(editor.SelectionRemainder()), "d");
}

TEST_F(SelectionTest, TokenUnderAPointIsFoundInItsWholeLogicalLine) {
    Fold20();
    Load("xy " + std::string(25, 'a')); // the word runs over the fold
    ASSERT_EQ(editor.RowCount(), 2);
    const TCustomEditor::Point p = CellPoint(1, 2);
    EXPECT_EQ(editor.TokenAtPos(p.x, p.y, false).kind, TokenKind::tkIdent);
    Select(0, 0, 0, 1); // replaced, not extended
    editor.SelectTokenAtPos(p.x, p.y, false);
    EXPECT_EQ(editor.SelStart(), 3);
    EXPECT_EQ(editor.SelText(), std::string(25, 'a'));
    const TCustomEditor::Point gap = CellPoint(0, 2);
    EXPECT_EQ(editor.TokenAtPos(gap.x, gap.y, false).text, "");
}

} // namespace
} // namespace mojiro
