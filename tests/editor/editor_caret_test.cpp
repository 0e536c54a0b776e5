// The caret: legal places over double-byte characters, tabs and folds, the
// remembered column, movement commands, placement by character index, the
// system caret and following the caret with the view.
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace mojiro {
namespace {

class CaretPlacement : public ::testing::Test {
protected:
    void SetUp() override {
        editor.InitFontMetrics();
        editor.OnCaretMoved = [this](TCustomEditor*) { ++caretMoves; };
    }
    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }
    void Fold(int wrapByte) {
        editor.WrapOption().SetWrapByte(wrapByte);
        editor.SetWordWrap(true);
    }
    [[nodiscard]] RowCol At() const { return {editor.Row(), editor.Col()}; }

    test::FakeHost host;
    TCustomEditor editor{host};
    int caretMoves = 0;
};

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line\r\n";
    return text;
}

TEST_F(CaretPlacement, StepsOverADoubleByteCharacterWhole) {
    Load("a\x82\xA0"
         "b\r\n"); // aあb
    editor.SetCol(1);
    editor.MoveRight();
    EXPECT_EQ(editor.Col(), 3);
    editor.MoveLeft();
    EXPECT_EQ(editor.Col(), 1);
    editor.SetRowCol(0, 2);
    EXPECT_EQ(editor.Col(), 1);
}

TEST_F(CaretPlacement, JumpsOverATabUnlessInTab) {
    Load("a\tb\r\n");
    editor.SetCol(1);
    editor.MoveRight();
    EXPECT_EQ(editor.Col(), 8);
    editor.MoveLeft(); // onto the last fill column
    EXPECT_EQ(editor.Col(), 1);

    editor.Caret().SetInTab(true);
    editor.MoveRight();
    EXPECT_EQ(editor.Col(), 2);
}

TEST_F(CaretPlacement, CannotStandAfterTheLastCharacterOfAWrappedRow) {
    Fold(20);
    Load(std::string(25, 'a') + "\r\n");
    ASSERT_EQ(editor.ListInfo().GetRowEndKind(0), RowEndKind::Wrapped);
    editor.MoveEnd();
    EXPECT_EQ(At(), (RowCol{0, 19}));
    editor.MoveRight();
    EXPECT_EQ(At(), (RowCol{1, 0}));
    editor.MoveLeft(); // back over the fold, even without NextLine
    EXPECT_EQ(At(), (RowCol{0, 19}));
}

TEST_F(CaretPlacement, FoldingLimitsAFreeCaretToTheFoldingWidth) {
    Fold(20);
    Load("abc\r\n");
    editor.SetCol(50);
    EXPECT_EQ(editor.Col(), 19);
}

TEST_F(CaretPlacement, FreeCaretStopsAtColumnThousand) {
    Load("abc\r\n");
    editor.MoveEnd();
    editor.MoveRight();
    EXPECT_EQ(editor.Col(), 4);
    editor.SetCol(5000);
    editor.MoveRight();
    EXPECT_EQ(At(), (RowCol{0, 1000}));
}

TEST_F(CaretPlacement, NextLineCarriesLeftAndRightOverLineEnds) {
    Load("abc\r\ndef\r\n");
    editor.Caret().SetFreeCaret(false);
    editor.MoveEnd();
    editor.MoveRight();
    EXPECT_EQ(At(), (RowCol{0, 3}));
    editor.Caret().SetNextLine(true);
    editor.MoveRight();
    EXPECT_EQ(At(), (RowCol{1, 0}));
    editor.MoveLeft();
    EXPECT_EQ(At(), (RowCol{0, 3}));
}

TEST_F(CaretPlacement, DownFromTheLastLineEndRowReachesTheVirtualRow) {
    Load("abc\r\ndef\r\n");
    editor.SetRowCol(1, 2);
    editor.MoveDown();
    editor.MoveEnd();
    EXPECT_EQ(At(), (RowCol{2, 0}));
    editor.MoveDown();
    EXPECT_EQ(editor.Row(), 2);
}

TEST_F(CaretPlacement, DownOnAnOpenLastRowDoesNothing) {
    Load("abc\r\ndef");
    editor.SetRowCol(1, 1);
    editor.MoveDown();
    EXPECT_EQ(At(), (RowCol{1, 1}));
    editor.MoveDocumentEnd();
    EXPECT_EQ(At(), (RowCol{1, 3}));
}

TEST_F(CaretPlacement, KeepCaretReturnsToTheColumnBeforeAShortRow) {
    Load(std::string(30, 'a') + "\r\naaaaa\r\n" + std::string(40, 'a') + "\r\n");
    editor.Caret().SetFreeCaret(false);
    editor.Caret().SetKeepCaret(true);
    editor.SetRowCol(0, 20);
    editor.MoveDown();
    EXPECT_EQ(editor.Col(), 5);
    editor.MoveDown();
    EXPECT_EQ(editor.Col(), 20);

    editor.Caret().SetKeepCaret(false);
    editor.SetRowCol(0, 20);
    editor.MoveDown();
    editor.MoveDown();
    EXPECT_EQ(editor.Col(), 5);
}

TEST_F(CaretPlacement, VerticalMovesComeBackToTheColumnBeforeADoubleByteCharacter) {
    Load("abcd\r\n\x82\xA0\x82\xA0\r\nabcd\r\n"); // ああ on the middle row
    editor.SetRowCol(0, 3);
    editor.MoveDown();
    EXPECT_EQ(editor.Col(), 2);
    editor.MoveDown();
    EXPECT_EQ(editor.Col(), 3);
}

TEST_F(CaretPlacement, SetCaretByCharIndexOnALineBreakStaysAtTheRowEnd) {
    Load("abc\r\ndef\r\n");
    editor.SetCaretByCharIndex(0, 3); // CR
    EXPECT_EQ(At(), (RowCol{0, 3}));
    editor.SetCaretByCharIndex(0, 4); // LF
    EXPECT_EQ(At(), (RowCol{0, 3}));
    editor.SetCaretByCharIndex(0, 5);
    EXPECT_EQ(At(), (RowCol{1, 0}));
    editor.SetCaretByCharIndex(0, 99);
    EXPECT_EQ(At(), (RowCol{2, 0}));
}

// The rows walked one by one from firstRow, as the index is defined.
RowCol WalkToCharIndex(const TCustomEditor& editor, int firstRow, std::ptrdiff_t index) {
    for (int row = firstRow; row < editor.RowCount(); ++row) {
        const std::string text = editor.RowString(row);
        const RowEndKind kind = editor.GetRowEndKind(row);
        const std::ptrdiff_t span =
            static_cast<std::ptrdiff_t>(text.size()) + (kind == RowEndKind::LineEnd    ? 2
                                                        : kind == RowEndKind::OpenLast ? 1
                                                                                       : 0);
        if (index < span || kind == RowEndKind::OpenLast) {
            const auto bytes = std::clamp<std::ptrdiff_t>(index, 0, text.size());
            const int col = static_cast<int>(editor.ExpandTabsOf(text.substr(0, bytes)).size());
            return {row, std::min(col, editor.ExpandedRowLength(row))};
        }
        index -= span;
    }
    return {editor.RowCount(), -1};
}

TEST_F(CaretPlacement, SetCaretByCharIndexAgreesWithAWalkOverTheRows) {
    Fold(20);
    const std::string body = "\x82\xA0\t" + std::string(30, 'x') + "\r\n\r\nshort\r\n" +
                             std::string(19, 'y') + "\x8A\xBF" + "z\r\n"; // あ, 漢
    for (const std::string& text : {body + "open", body}) {
        Load(text);
        const std::ptrdiff_t length = editor.TextLength();
        for (int first = 0; first < editor.RowCount(); ++first) {
            for (std::ptrdiff_t index = -1; index <= length + 2; ++index) {
                RowCol expected = WalkToCharIndex(editor, first, index);
                editor.MoveDocumentHome();
                editor.SetRow(expected.row);
                editor.SetCol(expected.col < 0 ? editor.ExpandedRowLength(editor.Row())
                                               : expected.col);
                expected = At();
                editor.MoveDocumentHome();
                editor.SetCaretByCharIndex(first, index);
                ASSERT_EQ(At(), expected) << "first row " << first << ", index " << index;
            }
        }
    }
}

TEST_F(CaretPlacement, HeldUpKeyAtTheTopEdgeMovesTwoRows) {
    Load(Lines(100));
    editor.SetTopRow(50);
    editor.SetRow(50);
    editor.MoveUp();
    EXPECT_EQ(editor.Row(), 49);
    EXPECT_EQ(editor.TopRow(), 49);
    editor.SetKeyRepeat(true);
    editor.MoveUp();
    EXPECT_EQ(editor.Row(), 47);
    EXPECT_EQ(editor.TopRow(), 47);
}

TEST_F(CaretPlacement, ViewFollowsTheCaretDownAndAcross) {
    Load(Lines(100) + std::string(300, 'a'));
    editor.SetRow(30);
    EXPECT_EQ(editor.TopRow(), 7); // the caret on the last whole row of 24
    editor.SetRowCol(100, 120);
    // At least a quarter page (24 columns) past the old edge.
    EXPECT_EQ(editor.TopCol(), 24);
    editor.SetCol(20);
    EXPECT_EQ(editor.TopCol(), 0);
}

TEST_F(CaretPlacement, UnfocusedViewKeepsItsScrollPositionAndIsQuiet) {
    host.focused = false;
    Load(Lines(100));
    editor.SetRow(60);
    editor.SetCaretByCharIndex(0, 400);
    EXPECT_EQ(editor.Row(), 66);
    EXPECT_EQ(editor.TopRow(), 0);
    EXPECT_EQ(caretMoves, 0);
    EXPECT_FALSE(host.caretExists);
}

TEST_F(CaretPlacement, PageDownKeepsTheCaretsPlaceOnTheScreen) {
    Load(Lines(100));
    editor.SetRow(5);
    editor.MovePage(editor.PageRows() - 1);
    EXPECT_EQ(editor.TopRow(), 23);
    EXPECT_EQ(editor.Row(), 28);
    editor.MovePage(1 - editor.PageRows());
    EXPECT_EQ(editor.Row(), 5);
    editor.MovePage(1 - editor.PageRows());
    EXPECT_EQ(editor.Row(), 0);
}

TEST_F(CaretPlacement, ScrollingWithCtrlMovesTheCaretOnlyWhenItWouldLeaveTheView) {
    Load(Lines(100));
    editor.ScrollDownKeepCaret();
    EXPECT_EQ(editor.TopRow(), 1);
    EXPECT_EQ(editor.Row(), 1);
    editor.SetRow(10);
    editor.ScrollDownKeepCaret();
    EXPECT_EQ(editor.TopRow(), 2);
    EXPECT_EQ(editor.Row(), 10);
}

TEST_F(CaretPlacement, WordMovementStopsAtWordsAndSkipsSymbols) {
    Load("abc, \x8A\xBF\x8E\x9A"
         "def\r\nxy\r\n"); // abc, 漢字def
    editor.MoveWordRight();
    EXPECT_EQ(editor.Col(), 5);
    editor.MoveWordRight();
    EXPECT_EQ(editor.Col(), 9);
    editor.MoveWordRight();
    EXPECT_EQ(editor.Col(), 12);
    editor.MoveWordRight();
    EXPECT_EQ(At(), (RowCol{1, 0}));
    editor.MoveWordLeft(); // stops at the end of a line-end row
    EXPECT_EQ(At(), (RowCol{0, 12}));
    editor.MoveWordLeft();
    EXPECT_EQ(At(), (RowCol{0, 9}));
}

TEST_F(CaretPlacement, WordRightAtTheEndOfTheTextStays) {
    Load("abc");
    editor.MoveEnd();
    editor.MoveWordRight();
    EXPECT_EQ(At(), (RowCol{0, 3}));
}

TEST_F(CaretPlacement, SystemCaretIsRecreatedShownAndHiddenAroundUpdates) {
    Load("a\x82\xA0\r\n"); // aあ
    caretMoves = 0;
    editor.FocusIn();
    EXPECT_TRUE(host.caretVisible);
    EXPECT_EQ(host.caretWidth, 2);
    EXPECT_EQ(host.caretHeight, 16);
    EXPECT_EQ(caretMoves, 1);

    editor.SetOverwrite(true);
    editor.SetCol(1);
    EXPECT_EQ(host.caretWidth, 16); // a block over both halves of あ
    EXPECT_EQ(host.caretX, 27);

    editor.CaretBeginUpdate();
    editor.CaretBeginUpdate();
    EXPECT_FALSE(host.caretVisible);
    editor.CaretEndUpdate();
    EXPECT_FALSE(host.caretVisible);
    editor.CaretEndUpdate();
    EXPECT_TRUE(host.caretVisible);

    editor.FocusOut();
    EXPECT_FALSE(host.caretExists);
}

TEST_F(CaretPlacement, HeldKeyDefersTheImeWindowUntilReleased) {
    Load(Lines(10));
    editor.SetKeyRepeat(true);
    const int moves = host.imeMoves;
    editor.MoveDown();
    EXPECT_EQ(host.imeMoves, moves);
    editor.SetKeyRepeat(false);
    editor.ApplyPendingImePosition();
    EXPECT_EQ(host.imeY, 18);
}

TEST_F(CaretPlacement, EditsMarkTheDocumentModifiedAndRaiseOnChange) {
    int changes = 0;
    editor.OnChange = [&changes](TCustomEditor*) { ++changes; };
    Load("abc\r\n");
    EXPECT_FALSE(editor.Modified());
    editor.Lines().Put(0, "xyz");
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(changes, 1);
}

TEST_F(CaretPlacement, ASharedViewsCaretStaysInsideTheShrunkText) {
    test::FakeHost otherHost;
    TCustomEditor other{otherHost};
    other.InitFontMetrics();
    other.AttachTo(editor);
    Load(Lines(10));
    other.SetRow(10);
    editor.Lines().Delete(9);
    editor.Lines().Delete(8);
    EXPECT_EQ(other.Row(), 8);
    EXPECT_EQ(other.RowCount(), 8);
}

TEST_F(CaretPlacement, EndLoadingFoldsWhatWasLoadedMeanwhile) {
    editor.BeginLoading();
    Fold(20);
    Load(std::string(25, 'a') + "\r\n");
    EXPECT_EQ(editor.RowCount(), 1);
    editor.SetModified(true);
    editor.EndLoading();
    EXPECT_EQ(editor.RowCount(), 2);
    EXPECT_FALSE(editor.Modified());
}

} // namespace
} // namespace mojiro
