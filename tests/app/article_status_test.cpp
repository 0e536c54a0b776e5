// The article status on a real editor view: row counts with and without the
// title and end rules, the caret's body row, the panels and the caption mark,
// and the rules' settings.
#include "../editor/FakeHost.h"
#include "app/ArticleStatus.h"
#include "editor/CustomEditor.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace mojiro {
namespace {

// n rows of "x", each ending in a line break.
std::string Filler(int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "x\r\n";
    return text;
}

class ArticleStatusTest : public ::testing::Test {
protected:
    ArticleStatusTest() { editor.InitFontMetrics(); }

    TArticleStatusResult Compute(std::string_view text, TStatusRules rules, int caretRow = 0) {
        editor.ListInfo().LoadFromBytes(text);
        status.SetRules(std::move(rules));
        return status.Recompute(editor, caretRow, TDocumentName::Untitled);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
    ArticleStatus status;
};

// Rule 0 (the first empty row) for the parts that are switched on.
TStatusRules EmptyRowRules(bool title, bool end) {
    TStatusRules rules;
    rules.titleAble = title;
    rules.endAble = end;
    return rules;
}
const TStatusRules kTitleEmptyRow = EmptyRowRules(true, false);
const TStatusRules kEndEmptyRow = EmptyRowRules(false, true);
const TStatusRules kBothEmptyRow = EmptyRowRules(true, true);

TStatusRules TitleMarker(std::string marker) {
    TStatusRules rules = kTitleEmptyRow;
    rules.titleIndex = TSeparatorRule::StartsWithMarker;
    rules.titleTopLetter = std::move(marker);
    return rules;
}

TEST_F(ArticleStatusTest, WithoutRulesEveryFoldedRowIsCounted) {
    editor.WrapOption().SetWrapByte(20);
    editor.SetWordWrap(true);
    const auto result = Compute("abcdefghijklmnopqrstuvwxy\r\n" + Filler(28), {});
    EXPECT_EQ(result.panels[1], "全30行");
    EXPECT_EQ(result.panels[5], "");
    EXPECT_EQ(result.panels[0], "1行目");
}

TEST_F(ArticleStatusTest, TitlePartEndsAtTheFirstEmptyRow) {
    const auto result = Compute("head\r\n\r\nbody1\r\nbody2", kTitleEmptyRow, 2);
    EXPECT_EQ(result.titleLastRow, 1);
    EXPECT_EQ(result.panels[1], "全2行");
    EXPECT_EQ(result.panels[5], "　表題部あり");
    EXPECT_EQ(result.panels[0], "1行目");
    EXPECT_EQ(status.CaretMove(0), "0行目");
}

TEST_F(ArticleStatusTest, TitleSeparatorIsLookedForInTheFirst21RowsOnly) {
    EXPECT_EQ(Compute(Filler(20) + "\r\n" + Filler(5), kTitleEmptyRow).titleLastRow, 20);
    const auto result = Compute(Filler(21) + "\r\n" + Filler(5), kTitleEmptyRow);
    EXPECT_EQ(result.titleLastRow, -1);
    EXPECT_EQ(result.panels[5], "　表題部なし");
    EXPECT_EQ(result.panels[1], "全27行");
}

TEST_F(ArticleStatusTest, MarkerRowBelongsToTheTitleAndMustStartTheRow) {
    const TStatusRules rules = TitleMarker("\x81\x96"); // ＊
    EXPECT_EQ(Compute("head\r\n\x81\x96"
                      "body\r\nmore",
                      rules)
                  .panels[1],
              "全1行");
    // After a full-width space, and as the lead byte of ＊ alone.
    EXPECT_EQ(Compute("head\r\n\x81\x40\x81\x96\r\n" + Filler(25), rules).titleLastRow, -1);
    EXPECT_EQ(Compute("\x81\x96\r\n" + Filler(25), TitleMarker("\x81")).titleLastRow, -1);
}

TEST_F(ArticleStatusTest, EndPartStartsAtTheEmptyRowNearestTheEnd) {
    const auto result = Compute(Filler(25) + "\r\nnote\r\n\r\nsign", kEndEmptyRow, 28);
    EXPECT_EQ(result.endRowCount, 2);
    EXPECT_EQ(result.panels[1], "全27行");
    EXPECT_EQ(result.panels[5], "　終端部あり");
    // A caret inside the end part shows the last body row.
    EXPECT_EQ(result.panels[0], "27行目");
}

TEST_F(ArticleStatusTest, EndSeparatorIsLookedForInTheLast20RowsOnly) {
    EXPECT_EQ(Compute(Filler(5) + "\r\n" + Filler(19), kEndEmptyRow).endRowCount, 20);
    const auto result = Compute(Filler(5) + "\r\n" + Filler(20), kEndEmptyRow);
    EXPECT_EQ(result.endRowCount, 0);
    EXPECT_EQ(result.panels[5], "　終端部なし");
}

TEST_F(ArticleStatusTest, EmptyDocumentHasNoBody) {
    auto result = Compute("", kBothEmptyRow);
    EXPECT_TRUE(result.noBody);
    EXPECT_EQ(result.panels[1], "全0行");
    EXPECT_EQ(result.panels[0], "0行目");
    EXPECT_EQ(result.panels[5], "　表題部なし　終端部なし");
    EXPECT_EQ(Compute("", kEndEmptyRow).panels[5], "　終端部なし");
}

TEST_F(ArticleStatusTest, OverlappingPartsLeaveNoBody) {
    const auto result = Compute("a\r\n\r\nb", kBothEmptyRow, 2);
    EXPECT_TRUE(result.noBody);
    EXPECT_EQ(result.panels[1], "全0行");
    EXPECT_EQ(result.panels[0], "0行目");
}

// Rows outside the document are no separators, so a short article without
// one is counted whole, as a long one is.
TEST_F(ArticleStatusTest, ShortArticleWithoutSeparatorsIsCountedWhole) {
    const auto result = Compute(Filler(4) + "x", kBothEmptyRow);
    EXPECT_FALSE(result.noBody);
    EXPECT_EQ(result.panels[1], "全5行");
    EXPECT_EQ(result.panels[5], "　表題部なし　終端部なし");
}

// The empty row shown after a final line break is one the reporter sees.
TEST_F(ArticleStatusTest, EmptyRowAfterTheFinalLineBreakEndsTheTitle) {
    const auto result = Compute("head\r\n", kTitleEmptyRow);
    EXPECT_EQ(result.titleLastRow, 1);
    EXPECT_TRUE(result.noBody);
}

TEST_F(ArticleStatusTest, SwitchingTheRulesOffReleasesTheNoBodyState) {
    ASSERT_TRUE(Compute("", kBothEmptyRow).noBody);
    const auto result = Compute("a\r\nb\r\nc", {}, 2);
    EXPECT_FALSE(result.noBody);
    EXPECT_EQ(result.panels[0], "3行目");
}

TEST_F(ArticleStatusTest, NamedDocumentIsMarkedOnceUntilTheCaptionIsRewritten) {
    editor.ListInfo().LoadFromBytes("a");
    editor.SetModified(false);
    EXPECT_FALSE(status.Recompute(editor, 0, TDocumentName::Named).markCaption);
    editor.SetModified(true);
    EXPECT_FALSE(status.Recompute(editor, 0, TDocumentName::Untitled).markCaption);
    EXPECT_TRUE(status.Recompute(editor, 0, TDocumentName::Named).markCaption);
    EXPECT_FALSE(status.Recompute(editor, 0, TDocumentName::Named).markCaption);
    status.ClearCaptionMark();
    EXPECT_TRUE(status.Recompute(editor, 0, TDocumentName::Named).markCaption);
}

TEST_F(ArticleStatusTest, PanelsShowLineLengthModeAndBoxFromTheEditor) {
    editor.WrapOption().SetWrapByte(25);
    EXPECT_EQ(Compute("a", {}).panels[2], "1行12字");
    EXPECT_EQ(Compute("a", {}).panels[3], "挿入");
    editor.SetOverwrite(true);
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    const auto result = Compute("a", {});
    EXPECT_EQ(result.panels[3], "上書き");
    EXPECT_EQ(result.panels[4], "BOX選択");
}

class StatusRulesSettings : public ::testing::Test {
protected:
    StatusRulesSettings() { store.Open(); }
    ~StatusRulesSettings() override { std::filesystem::remove_all(folder); }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("mojiro-status-" + std::to_string(::getpid()));
    SettingsStore store{folder / "Mojiro.ini"};
};

TEST_F(StatusRulesSettings, RulesRoundTripThroughTheStore) {
    EXPECT_EQ(LoadStatusRules(store), TStatusRules{});
    const TStatusRules rules{true, TSeparatorRule::StartsWithMarker, "\x81\x96", // ＊
                             true, TSeparatorRule::EmptyRow,         "--"};
    SaveStatusRules(store, rules);
    EXPECT_EQ(LoadStatusRules(store), rules);
}

TEST_F(StatusRulesSettings, UnknownRuleIndexReadsAsEmptyRow) {
    WriteSetting(store, IntegerSetting{"Option", "EndIndex"}, 2);
    EXPECT_EQ(LoadStatusRules(store).endIndex, TSeparatorRule::EmptyRow);
}

} // namespace
} // namespace mojiro
