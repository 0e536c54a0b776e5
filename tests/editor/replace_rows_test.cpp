// ReplaceRows, undo and redo, change notification and option changes of the
// row list, as a view attached to it sees them.
#include "editor/EditorBrackets.h"
#include "editor/FakeView.h"
#include "editor/ScreenStrings.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

class RowList : public ::testing::Test {
protected:
    void SetUp() override {
        view.rows = &rows;
        rows.AttachView(&view);
    }
    void Fold(int wrapByte) {
        rows.WrapOption().SetWrapByte(wrapByte);
        rows.SetWordWrap(true);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (int i = 0; i < rows.Count(); ++i)
            out.push_back(rows.Get(i));
        return out;
    }
    test::FakeView view;
    TEditorScreenStrings rows;
};

using Rows = std::vector<std::string>;

TEST_F(RowList, LoadingDoesNotMarkTheDocumentModified) {
    rows.LoadFromBytes("abc\r\ndef");
    EXPECT_EQ(view.changes, 0);
    EXPECT_GE(view.notified, 1);
    EXPECT_FALSE(rows.Change().pending);
}

TEST_F(RowList, AnEditNotifiesOnceWithItsChangeRecord) {
    rows.LoadFromBytes("abc\r\ndef\r\n");
    view.notified = 0;
    rows.ReplaceRows(1, 1, "xyz\r\n");
    EXPECT_EQ(view.notified, 1);
    EXPECT_EQ(view.changes, 1);
    EXPECT_EQ(rows.Text(), "abc\r\nxyz\r\n");
    EXPECT_FALSE(rows.Change().pending); // reset after the views were told
}

TEST_F(RowList, ReplaceRowsOutsideTheListDoesNothing) {
    rows.LoadFromBytes("abc\r\n");
    rows.ReplaceRows(2, 0, "x");
    rows.ReplaceRows(0, 2, "x");
    rows.ReplaceRows(0, 0, "");
    EXPECT_EQ(rows.Text(), "abc\r\n");
    EXPECT_FALSE(rows.UndoObj().CanUndo());
}

TEST_F(RowList, DeletingAWholeFoldedLineRemovesExactlyItsRows) {
    Fold(20);
    rows.LoadFromBytes(std::string(30, 'a') + "\r\n" + "b\r\n");
    ASSERT_EQ(rows.Count(), 3);
    rows.ReplaceRows(0, 2, "");
    EXPECT_EQ(Texts(), Rows{"b"});
    rows.Undo();
    EXPECT_EQ(Texts(), (Rows{std::string(20, 'a'), std::string(10, 'a'), "b"}));
}

TEST_F(RowList, ReplacingTheLastRowOfALineWithoutBreakJoinsTheNextLine) {
    rows.LoadFromBytes("abc\r\ndef\r\n");
    rows.ReplaceRows(0, 1, "xy");
    EXPECT_EQ(Texts(), Rows{"xydef"});
}

TEST_F(RowList, TextAddedAfterAnOpenLastRowContinuesThatLine) {
    rows.LoadFromBytes("abc");
    rows.ReplaceRows(1, 0, "def");
    EXPECT_EQ(Texts(), Rows{"abcdef"});
    EXPECT_EQ(rows.GetRowEndKind(0), RowEndKind::OpenLast);
}

TEST_F(RowList, TextEndingInALoneCrKeepsItsLineBreak) {
    rows.LoadFromBytes("abc");
    rows.ReplaceRows(0, 1, "abc\r");
    EXPECT_EQ(rows.Text(), "abc\r\n");
}

TEST_F(RowList, LineBreakTypedBeforeTheEmptyRowAfterAFullLineIsKept) {
    Fold(20);
    rows.LoadFromBytes(std::string(20, 'a')); // a full row, then an empty open row
    ASSERT_EQ(rows.Count(), 2);
    rows.ReplaceRows(0, 1, "b\n");
    EXPECT_EQ(rows.Text(), "b\r\n");
    EXPECT_EQ(Texts(), Rows{"b"});
}

TEST_F(RowList, EditingAFoldedLineRefoldsIt) {
    Fold(20);
    rows.LoadFromBytes(std::string(25, 'a') + "\r\n");
    ASSERT_EQ(Texts(), (Rows{std::string(20, 'a'), std::string(5, 'a')}));
    rows.ReplaceRows(0, 1, "b" + std::string(20, 'a'));
    EXPECT_EQ(Texts(), (Rows{"b" + std::string(19, 'a'), std::string(6, 'a')}));
}

TEST_F(RowList, UndoRestoresTextAndCaretAndRedoRepeats) {
    rows.LoadFromBytes("\r\n");
    for (const char* typed : {"a", "ab", "abc"}) {
        rows.ReplaceRows(0, 1, std::string(typed) + "\r\n");
        view.col = static_cast<int>(std::string(typed).size());
    }
    for (int i = 0; i < 3; ++i)
        rows.Undo();
    EXPECT_EQ(rows.Text(), "\r\n");
    EXPECT_EQ(view.col, 0);
    EXPECT_EQ(view.caretHidden, 0);
    for (int i = 0; i < 3; ++i)
        rows.Redo();
    EXPECT_EQ(rows.Text(), "abc\r\n");
    EXPECT_FALSE(rows.UndoObj().CanRedo());
}

TEST_F(RowList, ANewChangeAfterUndoEmptiesTheRedoList) {
    rows.LoadFromBytes("a\r\n");
    rows.ReplaceRows(0, 1, "b\r\n");
    rows.Undo();
    ASSERT_TRUE(rows.UndoObj().CanRedo());
    rows.ReplaceRows(0, 1, "c\r\n");
    EXPECT_FALSE(rows.UndoObj().CanRedo());
}

TEST_F(RowList, UndoListDropsTheOldestRecordPastItsMaximum) {
    rows.UndoObj().SetUndoListMax(10);
    EXPECT_EQ(rows.UndoObj().UndoListMax(), 64);
    rows.LoadFromBytes("0\r\n");
    for (int i = 1; i <= 65; ++i)
        rows.ReplaceRows(0, 1, std::to_string(i) + "\r\n");
    int undone = 0;
    while (rows.UndoObj().CanUndo()) {
        rows.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 64);
    EXPECT_EQ(rows.Text(), "1\r\n");
}

TEST_F(RowList, UndoingTheDeletionOfAnOpenLastLineRestoresIt) {
    rows.LoadFromBytes("a\r\nb");
    rows.ReplaceRows(1, 1, "");
    EXPECT_EQ(rows.Text(), "a\r\n");
    rows.Undo();
    EXPECT_EQ(rows.Text(), "a\r\nb");
    EXPECT_EQ(rows.GetRowEndKind(1), RowEndKind::OpenLast);
}

TEST_F(RowList, WholeDocumentChangesEmptyTheUndoLists) {
    rows.LoadFromBytes(std::string(30, 'a') + "\r\n");
    auto edit = [this] { rows.ReplaceRows(0, 0, "x"); };
    edit();
    rows.SetWordWrap(true);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
    edit();
    rows.WrapOption().SetWrapByte(20);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
    edit();
    rows.SetText("abc");
    EXPECT_FALSE(rows.UndoObj().CanUndo());
}

TEST_F(RowList, SwitchingWordWrapOffAndOnGivesAFreshFold) {
    Fold(20);
    const std::string text = std::string(45, 'a') + "\r\n" + "short\r\n" + std::string(20, 'b');
    rows.LoadFromBytes(text);
    const Rows folded = Texts();
    const int refoldsBefore = view.refolds;
    rows.SetWordWrap(false);
    EXPECT_EQ(Texts(), (Rows{std::string(45, 'a'), "short", std::string(20, 'b')}));
    EXPECT_EQ(rows.GetRowEndKind(2), RowEndKind::OpenLast);
    rows.SetWordWrap(true);
    EXPECT_EQ(Texts(), folded);
    EXPECT_EQ(rows.Text(), text);
    EXPECT_EQ(view.refolds, refoldsBefore + 2);
}

TEST_F(RowList, WrapOptionsChangedWhileFoldingIsOffApplyWhenItIsSwitchedOn) {
    rows.LoadFromBytes(std::string(30, 'a'));
    rows.WrapOption().SetWrapByte(20);
    EXPECT_EQ(rows.Count(), 1);
    rows.SetWordWrap(true);
    EXPECT_EQ(rows.Count(), 2);
}

TEST_F(RowList, NothingFoldsWhileTheFirstViewIsLoadingItsProperties) {
    rows.LoadFromBytes(std::string(30, 'a'));
    view.loading = true;
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    EXPECT_EQ(rows.Count(), 1);
}

TEST_F(RowList, ClearMarksTheDocumentModifiedAndResetsTheCaret) {
    rows.LoadFromBytes("abc\r\n");
    view.row = 1;
    rows.Clear();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(view.changes, 1);
    EXPECT_EQ(view.row, 0);
}

TEST_F(RowList, FocusedViewIsTheFocusedOneElseTheFirst) {
    test::FakeView second;
    rows.AttachView(&second);
    EXPECT_EQ(rows.FocusedView(), &view);
    second.focused = true;
    EXPECT_EQ(rows.FocusedView(), &second);
    EXPECT_FALSE(rows.DetachView(&view));
    EXPECT_TRUE(rows.DetachView(&second));
}

class ScannerStates : public RowList {
protected:
    void SetUp() override {
        RowList::SetUp();
        auto& pair = view.view.Brackets().Add();
        pair.SetLeftBracket("\x81\x75");  // 「
        pair.SetRightBracket("\x81\x76"); // 」
    }
};

TEST_F(ScannerStates, RowsInsideAnOpenPairStartInsideIt) {
    rows.LoadFromBytes("a\x81\x75"
                       "b\r\nc\r\nd\x81\x76\r\ne\r\n");
    EXPECT_EQ(rows.ScannerState(0), kStateOutside);
    EXPECT_EQ(rows.ScannerState(1), 0);
    EXPECT_EQ(rows.ScannerState(2), 0);
    EXPECT_EQ(rows.ScannerState(3), kStateOutside);
}

TEST_F(ScannerStates, ClosingThePairEarlierResetsAndRepaintsTheRowsAfter) {
    rows.LoadFromBytes("a\x81\x75"
                       "b\r\nc\r\nd\x81\x76\r\ne\r\n");
    view.repainted.clear();
    rows.ReplaceRows(0, 1,
                     "a\x81\x75"
                     "b\x81\x76\r\n");
    EXPECT_EQ(rows.ScannerState(1), kStateOutside);
    EXPECT_EQ(rows.ScannerState(2), kStateOutside);
    EXPECT_EQ(view.repainted, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(rows.ScannerState(3), kStateOutside);
}

TEST_F(ScannerStates, StatesFarBelowTheScreenAreLeftForPainting) {
    view.screenRows = 2;
    std::string text = "\x81\x75\r\n";
    for (int i = 0; i < 50; ++i)
        text += "x\r\n";
    rows.LoadFromBytes(text);
    EXPECT_EQ(rows.ScannerState(4), 0);
    EXPECT_EQ(rows.ScannerState(40), kStateUncomputed);
    rows.PropagateStates(40, false);
    EXPECT_EQ(rows.ScannerState(40), 0);
}

TEST_F(ScannerStates, WithoutPairsEveryRowIsOutside) {
    view.view.Brackets().Clear();
    rows.LoadFromBytes("a\x81\x75\r\nb\r\n");
    EXPECT_EQ(rows.ScannerState(1), kStateOutside);
}

} // namespace
} // namespace mojiro
