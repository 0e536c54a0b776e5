#include "editor/EditorBrackets.h"
#include "editor/EditorCaret.h"
#include "editor/EditorColors.h"
#include "editor/EditorMargin.h"
#include "editor/EditorMarks.h"
#include "editor/EditorViewInfo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro {
namespace {

struct ChangeLog {
    std::vector<TNotifyPersistent*> senders;
    void Watch(TNotifyPersistent& object) {
        object.SetOnChange([this](TNotifyPersistent* sender) { senders.push_back(sender); });
    }
};

TEST(NotifyPersistent, ChangesInsideAnUpdateAreReportedOnceAtItsEnd) {
    TEditorMargin margin;
    ChangeLog log;
    log.Watch(margin);

    margin.BeginUpdate();
    margin.BeginUpdate();
    margin.SetLeft(6);
    margin.SetTop(4);
    margin.EndUpdate();
    EXPECT_EQ(0u, log.senders.size());
    margin.EndUpdate();

    ASSERT_EQ(1u, log.senders.size());
    EXPECT_EQ(&margin, log.senders[0]);
}

TEST(NotifyPersistent, UnmatchedEndUpdateDoesNotSilenceLaterChanges) {
    TEditorMargin margin;
    margin.EndUpdate();
    EXPECT_EQ(0, margin.UpdateDepth());
    ChangeLog log;
    log.Watch(margin);

    margin.SetLine(3);

    EXPECT_EQ(1u, log.senders.size());
}

TEST(ViewInfo, ColourChangeDeepInsideReachesTheOwnerOnceAsTheViewInfo) {
    TEditorViewInfo view;
    ChangeLog log;
    log.Watch(view);

    view.Colors().Ank().SetColor(clBlack);

    ASSERT_EQ(1u, log.senders.size());
    EXPECT_EQ(&view, log.senders[0]);
}

TEST(ViewInfo, ColourChangesInsideAViewUpdateAreReportedOnceAtItsEnd) {
    TEditorViewInfo view;
    ChangeLog log;
    log.Watch(view);

    view.BeginUpdate();
    view.Colors().Ank().SetColor(clBlack);
    view.Colors().Str().SetBkColor(clGray);
    view.Colors().Url().SetStyle(fsUnderline);
    EXPECT_EQ(0u, log.senders.size());
    view.EndUpdate();

    EXPECT_EQ(1u, log.senders.size());
}

TEST(ViewInfo, SettingAValueItAlreadyHasReportsNothing) {
    TEditorViewInfo view;
    view.SetCommenter(";");
    ChangeLog log;
    log.Watch(view);

    view.SetCommenter(";");
    view.SetUrl(false);
    view.Colors().Select().SetBkColor(clNavy);

    EXPECT_EQ(0u, log.senders.size());
}

TEST(ViewInfo, QuotationKeepsOnlyTheFirstByte) {
    TEditorViewInfo view;
    view.SetQuotation("'\"");
    EXPECT_EQ("'", view.Quotation());
    view.SetQuotation("");
    EXPECT_EQ("", view.Quotation());
}

TEST(ViewInfo, AssignCopiesEveryValueAndReportsOnce) {
    TEditorViewInfo source;
    source.SetCommenter("//");
    source.SetControlCode(true);
    source.SetHexPrefix("0x");
    source.SetMail(true);
    source.SetQuotation("\"");
    source.SetUrl(true);
    source.Colors().Int().SetColor(clBlack);
    source.Brackets().Add().SetLeftBracket("\x81\x75"); // 「
    TEditorViewInfo view;
    ChangeLog log;
    log.Watch(view);

    view.Assign(source);

    EXPECT_EQ(1u, log.senders.size());
    EXPECT_EQ("//", view.Commenter());
    EXPECT_TRUE(view.ControlCode());
    EXPECT_EQ("0x", view.HexPrefix());
    EXPECT_TRUE(view.Mail());
    EXPECT_EQ("\"", view.Quotation());
    EXPECT_TRUE(view.Url());
    EXPECT_EQ(clBlack, view.Colors().Int().Color());
    ASSERT_EQ(1, view.Brackets().Count());
    EXPECT_EQ("\x81\x75", view.Brackets().Items(0).LeftBracket());
}

TEST(Colors, SetAllChangesTheTokenColoursButNotTheSelectionInOneReport) {
    TEditorColors colors;
    ChangeLog log;
    log.Watch(colors);

    colors.SetAllColor(clBlack);

    EXPECT_EQ(1u, log.senders.size());
    for (int i = 0; i < TEditorColors::kCount; ++i) {
        if (&colors.ColorAt(i) != &colors.Select()) {
            EXPECT_EQ(clBlack, colors.ColorAt(i).Color()) << "colour " << i;
        }
    }
    EXPECT_EQ(clWhite, colors.Select().Color());
    EXPECT_EQ(clNavy, colors.Select().BkColor());
}

TEST(Colors, ColorAtFollowsPropertyOrderAndRejectsOtherIndexes) {
    TEditorColors colors;
    EXPECT_EQ(&colors.Ank(), &colors.ColorAt(0));
    EXPECT_EQ(&colors.Reserve(), &colors.ColorAt(5));
    EXPECT_EQ(&colors.Select(), &colors.ColorAt(6));
    EXPECT_EQ(&colors.Url(), &colors.ColorAt(9));
    EXPECT_THROW((void)colors.ColorAt(10), ListIndexError);
    EXPECT_THROW((void)colors.ColorAt(-1), ListIndexError);
}

TEST(Brackets, AddDeleteAndClearEachReportOnceWithTheCollectionAsSender) {
    TEditorBracketCollection brackets;
    ChangeLog log;
    log.Watch(brackets);

    brackets.Add().SetLeftBracket("(");
    brackets.Add().SetLeftBracket("[");
    brackets.Delete(0);
    EXPECT_EQ("[", brackets.Items(0).LeftBracket());
    brackets.Clear();
    brackets.Clear(); // already empty: nothing to say

    EXPECT_EQ(std::vector<TNotifyPersistent*>(4, &brackets), log.senders);
}

TEST(Brackets, PairTextsAndColourAreStoredWithoutReport) {
    TEditorBracketCollection brackets;
    TEditorBracketItem& item = brackets.Add();
    ChangeLog log;
    log.Watch(brackets);

    item.SetLeftBracket("\x81\x75");  // 「
    item.SetRightBracket("\x81\x76"); // 」
    item.ItemColor().SetColor(clBlack);

    EXPECT_EQ(0u, log.senders.size());
    EXPECT_EQ("\x81\x76", brackets.Items(0).RightBracket());
}

TEST(Brackets, FifteenthPairFailsAndLeavesTheCollectionUnchanged) {
    TEditorBracketCollection brackets;
    for (int i = 0; i < 14; ++i)
        brackets.Add().SetLeftBracket(std::string(1, static_cast<char>('a' + i)));
    ChangeLog log;
    log.Watch(brackets);

    try {
        brackets.Add();
        FAIL() << "a fifteenth pair was accepted";
    } catch (const EditorError& e) {
        EXPECT_EQ(std::string("TEditorBracketCollection\r\nYou can not add item over 14"),
                  e.what());
    }

    EXPECT_EQ(14, brackets.Count());
    EXPECT_EQ("n", brackets.Items(13).LeftBracket());
    EXPECT_EQ(0u, log.senders.size());
}

TEST(Brackets, IndexOutsideTheCollectionThrows) {
    TEditorBracketCollection brackets;
    brackets.Add();
    EXPECT_THROW((void)brackets.Items(1), ListIndexError);
    EXPECT_THROW(brackets.Delete(-1), ListIndexError);
    EXPECT_EQ(1, brackets.Count());
}

TEST(Brackets, AssignOfFourteenPairsCopiesThemAndReportsOnce) {
    TEditorBracketCollection source;
    for (int i = 0; i < 14; ++i) {
        TEditorBracketItem& item = source.Add();
        item.SetLeftBracket(std::string(1, static_cast<char>('a' + i)));
        item.SetRightBracket(std::string(1, static_cast<char>('A' + i)));
        item.ItemColor().SetBkColor(static_cast<TColor>(i));
    }
    TEditorBracketCollection brackets;
    brackets.Add().SetLeftBracket("old");
    ChangeLog log;
    log.Watch(brackets);

    brackets.Assign(source);

    EXPECT_EQ(1u, log.senders.size());
    ASSERT_EQ(14, brackets.Count());
    EXPECT_EQ("a", brackets.Items(0).LeftBracket());
    EXPECT_EQ("N", brackets.Items(13).RightBracket());
    EXPECT_EQ(TColor{13}, brackets.Items(13).ItemColor().BkColor());
    EXPECT_NE(&source.Items(0), &brackets.Items(0));
}

TEST(Brackets, AssigningACollectionToItselfKeepsItsPairs) {
    TEditorBracketCollection brackets;
    brackets.Add().SetLeftBracket("(");
    brackets.Add().SetLeftBracket("[");

    brackets.Assign(brackets);

    ASSERT_EQ(2, brackets.Count());
    EXPECT_EQ("[", brackets.Items(1).LeftBracket());
}

TEST(Brackets, SetAllColourReachesEveryPairAndReportsOnceThroughTheView) {
    TEditorViewInfo view;
    view.Brackets().Add();
    view.Brackets().Add();
    ChangeLog log;
    log.Watch(view);

    view.Brackets().SetAllColor(clBlack);

    ASSERT_EQ(1u, log.senders.size());
    EXPECT_EQ(&view, log.senders[0]);
    EXPECT_EQ(clBlack, view.Brackets().Items(1).ItemColor().Color());
}

TEST(Caret, TabSpaceCountIsClampedAndMadeEven) {
    TEditorCaret caret;
    const std::vector<std::pair<int, int>> cases = {{1, 2}, {5, 4}, {7, 6}, {9, 8}, {-3, 2}};
    for (auto [given, kept] : cases) {
        caret.SetTabSpaceCount(given);
        EXPECT_EQ(kept, caret.TabSpaceCount()) << "set to " << given;
    }
}

TEST(Caret, OnlyStyleAndTabSpaceCountReportAChange) {
    TEditorCaret caret;
    ChangeLog log;
    log.Watch(caret);

    caret.SetAutoIndent(false);
    caret.SetRowSelect(false);
    caret.SetSelDragMode(TDragMode::dmManual);
    caret.Cursors().SetDefaultCursor(crDefault);
    caret.SetTabSpaceCount(9); // 8 already
    EXPECT_EQ(0u, log.senders.size());

    caret.SetStyle(TEditorCaretStyle::csBrief);
    caret.SetTabSpaceCount(4);
    EXPECT_EQ(std::vector<TNotifyPersistent*>(2, &caret), log.senders);
}

TEST(Caret, AssignCopiesEveryValueAndReportsOnce) {
    TEditorCaret source;
    source.SetAutoCursor(false);
    source.SetKeepCaret(true);
    source.SetSelDragMode(TDragMode::dmManual);
    source.SetStyle(TEditorCaretStyle::csBrief);
    source.SetTabSpaceCount(4);
    source.Cursors().SetLeftMarginCursor(crIBeam);
    TEditorCaret caret;
    ChangeLog log;
    log.Watch(caret);

    caret.Assign(source);

    EXPECT_EQ(1u, log.senders.size());
    EXPECT_FALSE(caret.AutoCursor());
    EXPECT_TRUE(caret.KeepCaret());
    EXPECT_EQ(TDragMode::dmManual, caret.SelDragMode());
    EXPECT_EQ(TEditorCaretStyle::csBrief, caret.Style());
    EXPECT_EQ(4, caret.TabSpaceCount());
    EXPECT_EQ(crIBeam, caret.Cursors().LeftMarginCursor());
}

TEST(Margin, CharacterIsClampedToZeroThroughHundred) {
    TEditorMargin margin;
    margin.SetCharacter(-5);
    EXPECT_EQ(0, margin.Character());
    margin.SetCharacter(500);
    EXPECT_EQ(100, margin.Character());
}

TEST(Margin, UnderlineExtraReportsOnlyWhenItChangesAndIsAssigned) {
    TEditorMargin margin;
    ChangeLog log;
    log.Watch(margin);
    margin.SetUnderlineExtra(0);
    EXPECT_EQ(0u, log.senders.size());
    margin.SetUnderlineExtra(1);
    EXPECT_EQ(1u, log.senders.size());

    TEditorMargin copy;
    copy.Assign(margin);
    EXPECT_EQ(1, copy.UnderlineExtra());
}

TEST(Marks, AssignCopiesTheThreeMarksAndReportsOnce) {
    TEditorMarks source;
    source.EofMark().SetVisible(true);
    source.RetMark().SetColor(clActiveCaption);
    source.Underline().SetVisible(true);
    TEditorMarks marks;
    ChangeLog log;
    log.Watch(marks);

    marks.Assign(source);

    EXPECT_EQ(1u, log.senders.size());
    EXPECT_TRUE(marks.EofMark().Visible());
    EXPECT_EQ(clActiveCaption, marks.RetMark().Color());
    EXPECT_TRUE(marks.Underline().Visible());
}

} // namespace
} // namespace mojiro
