// Input of the editor view: navigation keys with and without Shift, typed
// characters and input-method text, clicks and drags (selection, row
// selection in the left margin, dragging the selection), cursor kinds and
// the scroll requests.
#include "EditorTestSupport.h"
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"
#include "editor/VirtualKeys.h"

#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

using Shift = TCustomEditor::ShiftState;
using Request = TCustomEditor::ScrollRequest;

constexpr Shift kNone{};
constexpr Shift kShift{.shift = true};
constexpr Shift kLeft{.left = true};

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

class Input : public ::testing::Test {
protected:
    Input() { editor.InitFontMetrics(); }

    // As a file is read: a text without a final line break ends in an open row.
    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }
    [[nodiscard]] std::string Text() const { return editor.ListInfo().Text(); }
    [[nodiscard]] RowCol At() const { return {editor.Row(), editor.Col()}; }

    // A client point just inside the cell at (view row, col), so that both
    // the rounded and the plain conversion name that cell.
    [[nodiscard]] int X(int col) const {
        return editor.Margin().Left() + col * editor.CharWidth() + 1;
    }
    [[nodiscard]] int Y(int row) const {
        return editor.Margin().Top() + row * editor.RowHeight() + 1;
    }
    // The middle of the left margin.
    [[nodiscard]] int MarginX() const { return editor.Margin().Left() / 2; }

    void Select(int fromRow, int fromCol, int toRow, int toCol) {
        test::SelectRange(editor, fromRow, fromCol, toRow, toCol);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
};

// ---- keys ---------------------------------------------------------------------------

TEST_F(Input, DeleteIsAKeyAndOtherKeysAreLeftToTheHost) {
    Load("abc\r\n");
    EXPECT_TRUE(editor.KeyDown(VK_DELETE, kNone));
    EXPECT_EQ(Text(), "bc\r\n");

    EXPECT_FALSE(editor.KeyDown(VK_INSERT, kNone));
    EXPECT_FALSE(editor.KeyDown(VK_ESCAPE, kNone));
    EXPECT_FALSE(editor.KeyDown(VK_F1, kNone));
    EXPECT_FALSE(editor.KeyDown(VK_LEFT, Shift{.alt = true}));
    EXPECT_EQ(Text(), "bc\r\n");
}

TEST_F(Input, CharactersTypeAndControlCharactersAndLeadBytesAreIgnored) {
    EXPECT_TRUE(editor.KeyPress('a'));
    EXPECT_TRUE(editor.KeyPress(0xB1));  // ｱ, half-width katakana
    EXPECT_FALSE(editor.KeyPress(0x1B)); // Escape
    EXPECT_FALSE(editor.KeyPress(0x82)); // a lead byte on its own
    EXPECT_TRUE(editor.KeyPress('\r'));
    EXPECT_TRUE(editor.KeyPress('\t'));
    EXPECT_FALSE(editor.KeyPress('\t', kShift)); // the host's, to change panes
    EXPECT_EQ(Text(), "a\xB1\r\n\t");
}

// ---- the input method -----------------------------------------------------------

TEST_F(Input, TheCharacterEchoOfAnImeResultIsDiscarded) {
    const std::string result = "\x93\xfa\x96\x7b\x8c\xea"; // 日本語
    editor.ImeResult(result);
    EXPECT_EQ(editor.ImeSwallowCount(), 6);

    for (unsigned char ch : result)
        EXPECT_TRUE(editor.KeyPress(ch));
    editor.KeyPress('x');

    EXPECT_EQ(Text(), result + "x");
    EXPECT_EQ(editor.ImeSwallowCount(), 0);
}

// ---- clicks and drag selection ------------------------------------------------------

TEST_F(Input, AWobbleOfLessThanHalfACellSelectsNothing) {
    Load("abcdef\r\n");
    editor.MouseDown(X(2), Y(0), kNone);
    editor.MouseMove(X(2) + editor.CharWidth() / 2 - 1, Y(0), kLeft);
    EXPECT_FALSE(editor.Selected());

    editor.MouseMove(X(4), Y(0), kLeft);
    EXPECT_TRUE(editor.Selected());
    EXPECT_EQ(editor.SelText(), "cd");
}

TEST_F(Input, DraggingAboveTheTextAreaScrollsUpARowAtATime) {
    Load(Lines(100));
    editor.SetTopRow(50);
    editor.MouseDown(X(0), Y(2), kNone);
    editor.MouseMove(X(0), 0, kLeft);
    EXPECT_EQ(editor.TopRow(), 49);
    editor.MouseMove(X(0), 0, kLeft);
    EXPECT_EQ(editor.TopRow(), 48);
    EXPECT_EQ(editor.SelLength(), 4 * 9); // "line 48\r\n" .. "line 51\r\n"
}

// ---- dragging the selection ---------------------------------------------------------

TEST_F(Input, PressInsideTheSelectionAndReleaseClearsItAndLeavesTheCaretThere) {
    Load("abcdef\r\n");
    Select(0, 1, 0, 5);
    editor.MouseDown(X(3), Y(0), kNone);
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::Armed);
    editor.MouseUp(X(3), Y(0), kNone);

    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::None);
    EXPECT_EQ(At(), (RowCol{0, 3}));
    EXPECT_EQ(Text(), "abcdef\r\n");
}

TEST_F(Input, DraggingTheSelectionMovesIt) {
    Load("abcdef\r\n");
    Select(0, 0, 0, 2); // "ab"
    editor.MouseDown(X(1), Y(0), kNone);
    editor.MouseMove(X(5), Y(0), kNone);
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::Dragging);
    EXPECT_TRUE(editor.Dragging());
    editor.MouseMove(X(5), Y(0), kNone);
    editor.MouseUp(X(5), Y(0), kNone);
    EXPECT_EQ(Text(), "cdeabf\r\n");
    EXPECT_FALSE(editor.Dragging());
}

TEST_F(Input, DropOutsideTheControlOrIntoTheSelectionOnlyClearsIt) {
    Load("abcdef\r\n");
    Select(0, 0, 0, 4);
    editor.MouseDown(X(1), Y(0), kNone);
    editor.MouseMove(X(3), Y(0), kNone);
    editor.MouseMove(X(3), Y(0), kNone);
    editor.MouseUp(X(3), Y(0), kNone);
    EXPECT_FALSE(editor.Selected());

    Select(0, 0, 0, 4);
    editor.MouseDown(X(1), Y(0), kNone);
    editor.MouseMove(X(6), Y(0), kNone);
    editor.MouseMove(X(6), Y(0), kNone);
    editor.MouseUp(host.width + 10, Y(0), kNone);
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(Text(), "abcdef\r\n");
}

TEST_F(Input, EscapeCancelsADragAndKeysWaitUntilItEnds) {
    Load("abcdef\r\nghijkl\r\n");
    Select(0, 0, 0, 3);
    editor.MouseDown(X(1), Y(0), kNone);
    editor.MouseMove(X(5), Y(1), kNone);
    EXPECT_TRUE(editor.KeyDown(VK_DOWN, kNone));
    EXPECT_TRUE(editor.Selected());
    EXPECT_TRUE(editor.KeyPress('x'));

    EXPECT_TRUE(editor.KeyDown(VK_ESCAPE, kNone));
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::None);
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(host.cursor, editor.Caret().Cursors().DefaultCursor());

    editor.MouseUp(X(5), Y(1), kNone);
    EXPECT_EQ(Text(), "abcdef\r\nghijkl\r\n");
}

TEST_F(Input, PressInsideTheSelectionWithManualDragModeOnlyMovesTheCaret) {
    Load("abcdef\r\n");
    editor.Caret().SetSelDragMode(TDragMode::dmManual);
    Select(0, 1, 0, 5);
    editor.MouseDown(X(3), Y(0), kNone);
    editor.MouseUp(X(3), Y(0), kNone);
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::None);
    EXPECT_EQ(editor.SelText(), "bcde");
    EXPECT_EQ(At(), (RowCol{0, 3}));
}

// ---- cursors ------------------------------------------------------------------------

TEST_F(Input, CursorFollowsTheMarginTheSelectionAndTheDragWithCtrl) {
    Load("abcdef\r\n");
    Select(0, 0, 0, 4);
    const TEditorCursors& cursors = editor.Caret().Cursors();

    editor.MouseMove(MarginX(), Y(0), kNone);
    EXPECT_EQ(host.cursor, cursors.LeftMarginCursor());
    editor.MouseMove(X(2), Y(0), kNone);
    EXPECT_EQ(host.cursor, cursors.InSelCursor());
    editor.MouseMove(X(5), Y(0), kNone);
    EXPECT_EQ(host.cursor, cursors.DefaultCursor());

    editor.MouseDown(X(1), Y(0), kNone);
    editor.MouseMove(X(6), Y(0), Shift{.ctrl = true});
    EXPECT_EQ(host.cursor, cursors.DragSelCopyCursor());
    editor.KeyUp(VK_CONTROL, kNone);
    EXPECT_EQ(host.cursor, cursors.DragSelCursor());
    editor.KeyDown(VK_CONTROL, Shift{.ctrl = true});
    EXPECT_EQ(host.cursor, cursors.DragSelCopyCursor());
}

// ---- row selection in the left margin ------------------------------------------------

TEST_F(Input, MarginDragExtendsByWholeRowsAndKeepsTheStartRowWhenTurningBack) {
    Load("r0\r\nr1\r\nr2\r\nr3\r\nr4\r\n");
    editor.MouseDown(MarginX(), Y(2), kNone);
    EXPECT_EQ(editor.SelText(), "r2\r\n");
    EXPECT_EQ(At(), (RowCol{2, 0}));
    editor.MouseMove(MarginX(), Y(3), kLeft);
    EXPECT_EQ(editor.SelText(), "r2\r\nr3\r\n");

    editor.MouseMove(MarginX(), Y(0), kLeft);
    EXPECT_EQ(editor.SelText(), "r0\r\nr1\r\nr2\r\n");

    editor.MouseMove(MarginX(), Y(2), kLeft);
    EXPECT_EQ(editor.SelText(), "r2\r\n");
    editor.MouseMove(MarginX(), Y(4), kLeft);
    EXPECT_EQ(editor.SelText(), "r2\r\nr3\r\nr4\r\n");
    editor.MouseUp(MarginX(), Y(4), kNone);
    EXPECT_FALSE(editor.RowSelecting());
}

TEST_F(Input, MarginSelectionOfAnOpenLastRowTakesAllOfItEitherWay) {
    Load("r0\r\nr1\r\nlast");
    editor.MouseDown(MarginX(), Y(5), kNone); // below the text: the last row
    EXPECT_EQ(editor.SelText(), "last");

    editor.MouseMove(MarginX(), Y(1), kLeft);
    EXPECT_EQ(editor.SelText(), "r1\r\nlast");
    editor.MouseMove(MarginX(), Y(2), kLeft);
    EXPECT_EQ(editor.SelText(), "last");
}

// ---- scrolling ----------------------------------------------------------------------

TEST_F(Input, ScrollBarRequestsMoveTheViewWithinItsRange) {
    Load(Lines(100));
    editor.VScroll(Request::LineDown);
    EXPECT_EQ(editor.TopRow(), 1);
    editor.VScroll(Request::PageDown);
    EXPECT_EQ(editor.TopRow(), 1 + editor.PageRows());
    editor.VScroll(Request::ThumbTrack, 40);
    EXPECT_EQ(editor.TopRow(), 40);
    editor.VScroll(Request::Top);
    EXPECT_EQ(editor.TopRow(), 0);
    editor.VScroll(Request::LineUp);
    EXPECT_EQ(editor.TopRow(), 0);
    EXPECT_EQ(At(), (RowCol{0, 0}));
    // Only the virtual row (and its end-of-file mark) stays in view.
    editor.VScroll(Request::Bottom);
    EXPECT_EQ(editor.TopRow(), editor.RowCount());
}

TEST_F(Input, HorizontalRequestsMoveTheViewButNotTheCaret) {
    Load("abc\r\n");
    editor.HScroll(Request::PageDown);
    EXPECT_EQ(editor.TopCol(), editor.PageCols());
    editor.HScroll(Request::LineUp);
    EXPECT_EQ(editor.TopCol(), editor.PageCols() - 1);
    editor.HScroll(Request::Bottom);
    EXPECT_EQ(editor.TopCol(), 1000 - editor.PageCols() / 2);
    editor.HScroll(Request::Top);
    EXPECT_EQ(editor.TopCol(), 0);
    EXPECT_EQ(At(), (RowCol{0, 0}));
}

} // namespace
} // namespace mojiro
