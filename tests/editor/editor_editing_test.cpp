// Editing through the view: typing, overwriting, the editing keys, pasting
// text and boxes, dragging the selection, undo steps, the read-only rule and
// the order of the change events.
#include "EditorTestSupport.h"
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro {
namespace {

class Editing : public ::testing::Test {
protected:
    Editing() { editor.InitFontMetrics(); }

    // As a file is read: a text without a final line break ends in an open row.
    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }
    [[nodiscard]] std::string Text() const { return editor.ListInfo().Text(); }
    [[nodiscard]] RowCol At() const { return {editor.Row(), editor.Col()}; }

    void Fold20() {
        editor.WrapOption().SetWrapByte(20);
        editor.SetWordWrap(true);
    }

    void Select(int fromRow, int fromCol, int toRow, int toCol) {
        test::SelectRange(editor, fromRow, fromCol, toRow, toCol);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
};

// ---- typing ------------------------------------------------------------------------

TEST_F(Editing, TypingBeyondTheEndOfARowFillsTheGapWithSpaces) {
    Load("abc\r\n");
    editor.SetCol(10);
    editor.KeyChar('x');
    EXPECT_EQ(Text(), "abc       x\r\n");
    EXPECT_EQ(At(), (RowCol{0, 11}));
}

TEST_F(Editing, TypingIntoAnEmptyDocumentStartsAnOpenRow) {
    editor.KeyChar('a');
    EXPECT_EQ(Text(), "a");
    EXPECT_EQ(At(), (RowCol{0, 1}));
    editor.KeyEnter();
    EXPECT_EQ(Text(), "a\r\n");
    EXPECT_EQ(At(), (RowCol{1, 0}));
}

TEST_F(Editing, OverwritingTheFirstHalfOfADoubleByteCharacterLeavesASpace) {
    Load("a\x82\xA0"
         "b\r\n"); // aあb
    editor.SetOverwrite(true);
    editor.SetCol(1);
    editor.KeyChar('x');
    EXPECT_EQ(Text(), "ax b\r\n");
    EXPECT_EQ(At(), (RowCol{0, 2}));
}

TEST_F(Editing, OverwritingRunsOnIntoTheNextRowOfAWrappedLine) {
    Fold20();
    Load("abcdefghijklmnopqrstuvwxy\r\n");
    ASSERT_EQ(editor.RowCount(), 2);
    editor.SetCol(18);
    editor.SetOverwrite(true);
    editor.InsertText("12345");
    EXPECT_EQ(Text(), "abcdefghijklmnopqr12345xy\r\n");
    EXPECT_EQ(At(), (RowCol{1, 3}));
}

TEST_F(Editing, PastedLineFeedsCountAsTheLineBreaksTheTextGets) {
    Load("ab\r\n");
    editor.SetCol(1);
    editor.SetSelText("x\ny");
    EXPECT_EQ(Text(), "ax\r\nyb\r\n");
    EXPECT_EQ(At(), (RowCol{1, 1}));
}

TEST_F(Editing, TabKeyInsertsATabOrSpacesToTheNextStop) {
    Load("abc\r\n");
    editor.SetCol(3);
    editor.KeyTab();
    EXPECT_EQ(Text(), "abc\t\r\n");

    editor.Caret().SetSoftTab(true);
    editor.KeyTab(); // from column 8: a whole stop
    EXPECT_EQ(Text(), "abc\t        \r\n");

    editor.SetOverwrite(true);
    editor.KeyTab();
    EXPECT_EQ(Text(), "abc\t        \r\n");
    EXPECT_EQ(editor.Col(), 24);
}

// ---- Backspace and Delete ----------------------------------------------------------

TEST_F(Editing, BackspaceAtTheStartOfAContinuationRowDeletesThePreviousRowsLastCharacter) {
    Fold20();
    Load("abcdefghijklmnopqrstuvwxy\r\n");
    editor.SetRowCol(1, 0);
    editor.KeyBackspace();
    EXPECT_EQ(Text(), "abcdefghijklmnopqrsuvwxy\r\n");
    EXPECT_EQ(At(), (RowCol{0, 19}));
}

TEST_F(Editing, BackspaceDeletesATabOrADoubleByteCharacterWhole) {
    Load("a\t\x82\xA0\r\n"); // a<tab>あ
    editor.SetCol(10);
    editor.KeyBackspace();
    EXPECT_EQ(Text(), "a\t\r\n");
    editor.Caret().SetInTab(true);
    editor.SetCol(4); // inside the tab's expansion
    editor.KeyBackspace();
    EXPECT_EQ(Text(), "a\r\n");
    EXPECT_EQ(editor.Col(), 1);
}

TEST_F(Editing, BackspaceAtTheStartOfALineJoinsItToThePreviousLine) {
    Load("ab\r\ncd\r\n");
    editor.SetRowCol(1, 0);
    editor.KeyBackspace();
    EXPECT_EQ(Text(), "abcd\r\n");
    EXPECT_EQ(At(), (RowCol{0, 2}));

    editor.SetRowCol(1, 0); // the virtual row
    editor.KeyBackspace();
    EXPECT_EQ(Text(), "abcd");
    EXPECT_EQ(At(), (RowCol{0, 4}));
}

TEST_F(Editing, DeleteAtTheEndOfTheLastRowRemovesTheFinalLineBreak) {
    Load("ab\r\n");
    editor.SetCol(2);
    editor.KeyDelete();
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(editor.GetRowEndKind(0), RowEndKind::OpenLast);
}

TEST_F(Editing, DeleteBeyondTheEndOfARowPadsItAndJoinsTheNextLine) {
    Load("ab\r\ncd\r\n");
    editor.SetCol(4);
    editor.KeyDelete();
    EXPECT_EQ(Text(), "ab  cd\r\n");
    EXPECT_EQ(At(), (RowCol{0, 4}));
}

// ---- Enter ----------------------------------------------------------------------------

TEST_F(Editing, EnterIndentsTheNewRowLikeTheLinesFirstRow) {
    Load("    abc def\r\n");
    editor.SetCol(8);
    editor.KeyEnter();
    EXPECT_EQ(Text(), "    abc \r\n    def\r\n");
    EXPECT_EQ(At(), (RowCol{1, 4}));
}

TEST_F(Editing, EnterCountsAFullWidthSpaceAsTwoColumnsOfIndent) {
    Load("\x81\x40"
         "ab\r\n"); // 　ab
    editor.SetCol(3);
    editor.KeyEnter();
    EXPECT_EQ(Text(), "\x81\x40"
                      "a\r\n  b\r\n");
    EXPECT_EQ(At(), (RowCol{1, 2}));
}

TEST_F(Editing, EnterWithTabIndentUsesTabsForWholeTabWidths) {
    editor.Caret().SetTabSpaceCount(4);
    editor.Caret().SetTabIndent(true);
    Load("      abc\r\n");
    editor.SetCol(9);
    editor.KeyEnter();
    EXPECT_EQ(Text(), "      abc\r\n\t  \r\n");
    EXPECT_EQ(At(), (RowCol{1, 6}));
}

TEST_F(Editing, EnterOnAnEmptyLineTakesTheIndentOfTheLineAboveOnlyWithPrevSpaceIndent) {
    Load("  ab\r\n\r\n");
    editor.SetRowCol(1, 0);
    editor.KeyEnter();
    EXPECT_EQ(Text(), "  ab\r\n\r\n\r\n");
    EXPECT_EQ(At(), (RowCol{2, 0}));

    Load("  ab\r\n\r\n");
    editor.Caret().SetPrevSpaceIndent(true);
    editor.SetRowCol(1, 0);
    editor.KeyEnter();
    EXPECT_EQ(Text(), "  ab\r\n\r\n  \r\n");
    EXPECT_EQ(At(), (RowCol{2, 2}));
}

// ---- undo steps -------------------------------------------------------------------------

TEST_F(Editing, EnterOverASelectionNeedsTwoUndos) {
    editor.Caret().SetAutoIndent(false);
    Load("abcdef\r\n");
    Select(0, 2, 0, 4);
    editor.KeyEnter();
    EXPECT_EQ(Text(), "ab\r\nef\r\n");
    editor.Undo();
    EXPECT_EQ(Text(), "abef\r\n");
    editor.Undo();
    EXPECT_EQ(Text(), "abcdef\r\n");
}

TEST_F(Editing, TypingOverASelectionNeedsOneUndo) {
    Load("abcdef\r\n");
    Select(0, 2, 0, 4);
    editor.KeyChar('x');
    EXPECT_EQ(Text(), "abxef\r\n");
    EXPECT_EQ(At(), (RowCol{0, 3}));
    editor.Undo();
    EXPECT_EQ(Text(), "abcdef\r\n");
    EXPECT_FALSE(editor.Selected());
}

// ---- clipboard and boxes -------------------------------------------------------------------

TEST_F(Editing, CutAndPasteMoveTheStreamSelection) {
    Load("abcdef\r\n");
    Select(0, 1, 0, 3);
    editor.CutToClipboard();
    EXPECT_EQ(host.clipboard, "bc");
    EXPECT_FALSE(host.clipboardBox);
    EXPECT_EQ(Text(), "adef\r\n");
    editor.SetCol(4);
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "adefbc\r\n");
    EXPECT_EQ(editor.Col(), 6);
}

TEST_F(Editing, BoxCutThenPasteRestoresTheText) {
    Load("abcd\r\nefgh\r\n");
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    Select(0, 1, 1, 3);
    editor.CutToClipboard();
    EXPECT_EQ(host.clipboard, "bc\r\nfg\r\n");
    EXPECT_TRUE(host.clipboardBox);
    EXPECT_EQ(Text(), "ad\r\neh\r\n");
    EXPECT_EQ(At(), (RowCol{0, 1}));
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "abcd\r\nefgh\r\n");
    EXPECT_EQ(At(), (RowCol{1, 3}));
}

TEST_F(Editing, DeletingABoxLeavesTheCaretAtItsTopLeftAlsoBeyondTheText) {
    Load("ab\r\nabcdefgh\r\n");
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    Select(0, 4, 1, 6);
    editor.DeleteSelection();
    EXPECT_EQ(Text(), "ab\r\nabcdgh\r\n");
    EXPECT_EQ(At(), (RowCol{0, 4}));
}

TEST_F(Editing, BoxPastePastTheLastRowAddsAPaddedRowEndingWithALineBreak) {
    Load("aaaa\r\nbbbb\r\ncccc");
    editor.SetRowCol(1, 2);
    host.SetClipboardText("12\r\n34\r\n56\r\n", true);
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "aaaa\r\nbb12bb\r\ncc34cc\r\n  56\r\n");
    EXPECT_EQ(At(), (RowCol{3, 4}));
    editor.Undo();
    EXPECT_EQ(Text(), "aaaa\r\nbbbb\r\ncccc");
}

TEST_F(Editing, BoxPasteAfterATabLeavesTheCaretAfterThePastedText) {
    Load("\tab\r\n");
    editor.SetCol(8);
    editor.BoxPaste("X");
    EXPECT_EQ(Text(), "\tXab\r\n");
    EXPECT_EQ(editor.Col(), 9);
}

TEST_F(Editing, BoxPasteOverAStreamSelectionAcrossRowsKeepsTheRowsBelow) {
    Load("abc\r\ndef\r\nghi\r\njkl\r\n");
    Select(0, 1, 1, 2);
    editor.BoxPaste("X\r\nY\r\n");
    EXPECT_EQ(Text(), "aXf\r\ngYhi\r\njkl\r\n");
}

// ---- dragging the selection -----------------------------------------------------------------

struct DropCase {
    const char* name;
    int fromRow, fromCol, toRow, toCol; // the selection
    int dropRow, dropCol;
    const char* text;
    RowCol caret;
};

class DragMove : public Editing, public ::testing::WithParamInterface<DropCase> {};

constexpr const char* kDragText = "0123456789\r\nabcdefghij\r\nABCDEFGHIJ\r\n";

TEST_P(DragMove, MovesTheSelectionInOneUndoStep) {
    const DropCase& c = GetParam();
    Load(kDragText);
    Select(c.fromRow, c.fromCol, c.toRow, c.toCol);
    editor.DropMove(c.dropRow, c.dropCol);
    EXPECT_EQ(Text(), c.text);
    EXPECT_EQ(At(), c.caret);
    EXPECT_FALSE(editor.Selected());
    editor.Undo();
    EXPECT_EQ(Text(), kDragText);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, DragMove,
    ::testing::Values(
        DropCase{"OnAnEarlierRow",
                 1,
                 2,
                 1,
                 5,
                 0,
                 3,
                 "012cde3456789\r\nabfghij\r\nABCDEFGHIJ\r\n",
                 {0, 6}},
        DropCase{"OnTheStartRowLeftOfTheSelection",
                 1,
                 2,
                 1,
                 5,
                 1,
                 0,
                 "0123456789\r\ncdeabfghij\r\nABCDEFGHIJ\r\n",
                 {1, 3}},
        DropCase{
            "OnALaterRow", 1, 2, 1, 5, 2, 4, "0123456789\r\nabfghij\r\nABCDcdeEFGHIJ\r\n", {2, 7}},
        DropCase{"OnTheEndRowRightOfTheSelection",
                 1,
                 2,
                 1,
                 5,
                 1,
                 8,
                 "0123456789\r\nabfghcdeij\r\nABCDEFGHIJ\r\n",
                 {1, 8}},
        DropCase{"SeveralRowsOntoALaterRow",
                 0,
                 5,
                 1,
                 3,
                 2,
                 2,
                 "01234defghij\r\nAB56789\r\nabcCDEFGHIJ\r\n",
                 {2, 3}},
        DropCase{"SeveralRowsOntoAnEarlierRow",
                 1,
                 5,
                 2,
                 3,
                 0,
                 2,
                 "01fghij\r\nABC23456789\r\nabcdeDEFGHIJ\r\n",
                 {1, 3}},
        DropCase{"BeyondTheEndOfARow",
                 1,
                 2,
                 1,
                 5,
                 0,
                 12,
                 "0123456789  cde\r\nabfghij\r\nABCDEFGHIJ\r\n",
                 {0, 15}}),
    [](const ::testing::TestParamInfo<DropCase>& info) { return std::string(info.param.name); });

TEST_F(Editing, DropCopyInsertsACopyAndLeavesTheCaretAfterIt) {
    Load(kDragText);
    Select(1, 2, 1, 5);
    editor.DropCopy(0, 3);
    EXPECT_EQ(Text(), "012cde3456789\r\nabcdefghij\r\nABCDEFGHIJ\r\n");
    EXPECT_EQ(At(), (RowCol{0, 6}));
    EXPECT_FALSE(editor.Selected());
}

TEST_F(Editing, DropIntoTheSelectionOrOfABoxOnlyClearsTheSelection) {
    Load(kDragText);
    Select(1, 2, 1, 5);
    editor.DropMove(1, 3);
    EXPECT_FALSE(editor.Selected());

    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    Select(1, 2, 1, 5);
    EXPECT_FALSE(editor.CanSelMove());
    editor.DropMove(0, 0);
    editor.DropCopy(0, 0);
    EXPECT_EQ(Text(), kDragText);
    EXPECT_FALSE(editor.CanUndo());
}

// ---- read-only, events and shared documents -----------------------------------------------

TEST_F(Editing, ReadOnlyIgnoresTheKeysAndPastingButNotTheHostsOwnEdits) {
    Load("abc\r\n");
    editor.SetCol(1);
    editor.SetReadOnly(true);
    editor.KeyChar('x');
    editor.KeyBackspace();
    editor.KeyDelete();
    editor.KeyEnter();
    editor.KeyTab();
    editor.SetSelText("y");
    editor.BoxPaste("z");
    host.SetClipboardText("w", false);
    editor.PasteFromClipboard();
    EXPECT_EQ(Text(), "abc\r\n");

    editor.InsertText("!");
    Select(0, 0, 0, 1);
    editor.DeleteSelection();
    EXPECT_EQ(Text(), "!bc\r\n");
    editor.Undo();
    EXPECT_EQ(Text(), "a!bc\r\n");
}

TEST_F(Editing, EditOverASelectionClearsItThenChangesThenMovesTheCaret) {
    Load("abcdef\r\n");
    Select(0, 2, 0, 4);
    std::vector<std::string> events;
    auto note = [&events](const std::string& event) {
        if (events.empty() || events.back() != event)
            events.push_back(event);
    };
    editor.OnSelectionChange = [&](TCustomEditor*, bool selected) {
        note(selected ? "selected" : "unselected");
    };
    editor.OnChange = [&](TCustomEditor*) { note("change"); };
    editor.OnCaretMoved = [&](TCustomEditor*) { note("caret"); };
    editor.KeyChar('x');
    EXPECT_EQ(events, (std::vector<std::string>{"unselected", "change", "caret"}));
    EXPECT_TRUE(editor.Modified());
}

TEST_F(Editing, ViewsSharingADocumentAreBothToldOfAnEditAndShareItsUndo) {
    test::FakeHost otherHost;
    TCustomEditor other{otherHost};
    other.InitFontMetrics();
    Load("abc\r\n");
    other.AttachTo(editor);
    int changes = 0;
    int otherChanges = 0;
    editor.OnChange = [&](TCustomEditor*) { ++changes; };
    other.OnChange = [&](TCustomEditor*) { ++otherChanges; };

    editor.KeyChar('1');
    other.SetCol(4);
    other.KeyChar('2');
    EXPECT_EQ(Text(), "1abc2\r\n");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(otherChanges, 2);

    editor.Undo(); // the newest change, made in the other view
    EXPECT_EQ(Text(), "1abc\r\n");
    other.Undo();
    EXPECT_EQ(Text(), "abc\r\n");
}

} // namespace
} // namespace mojiro
