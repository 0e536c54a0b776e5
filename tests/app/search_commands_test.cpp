// The search and replace commands against a window that notes what it was
// asked to do: matches in turn and the failure after the last, replacing one
// match or all of them, the histories and the button states.
#include "../editor/FakeHost.h"
#include "FileTestSupport.h"
#include "app/SearchCommands.h"
#include "editor/CustomEditor.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro {
namespace {

class FakeSearchWindow : public SearchHost {
public:
    explicit FakeSearchWindow(TCustomEditor& pane) : pane_(pane) {}

    TCustomEditor& ActivePane() override { return pane_; }
    void FocusActivePane() override { ++paneFocus; }
    void FocusSearchBox() override {}
    void FocusReplaceBox() override {}
    void ShowMessage(const std::string& text) override { panel5.push_back(text); }
    void Beep() override { ++beeps; }
    void RepaintActivePane() override {}
    void ShowButtons(const SearchButtons& buttons) override {
        if (buttons.find)
            find = *buttons.find;
        if (buttons.replace)
            replace = *buttons.replace;
        if (buttons.replaceAll)
            replaceAll = *buttons.replaceAll;
    }
    void ShowSearchHistory(const TSearchHistory& history) override {
        searchList = history.Entries();
    }
    void ShowReplaceHistory(const TSearchHistory& history) override {
        replaceList = history.Entries();
    }
    void SetSearchBoxText(const std::string& text) override { searchBox = text; }
    void SetReplaceBoxText(const std::string& text) override { replaceBox = text; }

    std::vector<std::string> panel5;
    int beeps = 0;
    int paneFocus = 0;
    bool find = false, replace = false, replaceAll = false;
    std::vector<std::string> searchList, replaceList;
    std::string searchBox, replaceBox;

private:
    TCustomEditor& pane_;
};

class SearchCommands : public ::testing::Test {
protected:
    SearchCommands() { editor.InitFontMetrics(); }

    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }
    [[nodiscard]] std::string Text() const { return editor.ListInfo().Text(); }
    [[nodiscard]] std::string LastMessage() const {
        return window.panel5.empty() ? "(none)" : window.panel5.back();
    }

    test::FakeHost host;
    TCustomEditor editor{host};
    FakeSearchWindow window{editor};
    TSearchCommands commands{window};
};

TEST_F(SearchCommands, FindNextSelectsEachMatchThenBeepsAndReturnsTheCaret) {
    Load("ABCabc");
    commands.SearchTextChanged("bc");
    commands.FindNext();
    EXPECT_EQ(editor.SelStart(), 1);
    EXPECT_EQ(editor.SelLength(), 2);
    EXPECT_TRUE(window.replace);
    commands.FindNext();
    EXPECT_EQ(editor.SelStart(), 4);
    EXPECT_EQ(window.beeps, 0);
    commands.FindNext();
    EXPECT_EQ(window.beeps, 1);
    EXPECT_EQ(LastMessage(), "「bc」は見つかりません");
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(editor.SelStart(), 6);
    EXPECT_FALSE(window.replace);
}

TEST_F(SearchCommands, FindPreviousWalksBackFromTheEnd) {
    Load("ABCabc");
    editor.SetSelStart(6);
    commands.SearchTextChanged("bc");
    commands.FindPrevious();
    EXPECT_EQ(editor.SelStart(), 4);
    commands.FindPrevious();
    EXPECT_EQ(editor.SelStart(), 1);
    commands.FindPrevious();
    EXPECT_EQ(window.beeps, 1);
    EXPECT_EQ(editor.SelStart(), 1);
}

TEST_F(SearchCommands, MatchInAReadOnlyEditorLeavesTheReplaceButtonsOff) {
    Load("abc");
    editor.SetReadOnly(true);
    commands.SearchTextChanged("b");
    commands.FindNext();
    EXPECT_EQ(editor.SelStart(), 1);
    EXPECT_FALSE(window.replace);
}

TEST_F(SearchCommands, ReplaceAllCountsAfterTheNotFoundMessage) {
    Load("aaa");
    commands.SearchTextChanged("a");
    commands.ReplaceTextChanged("aa");
    commands.ReplaceAll();
    EXPECT_EQ(Text(), "aaaaaa");
    ASSERT_GE(window.panel5.size(), 2u);
    EXPECT_EQ(window.panel5[window.panel5.size() - 2], "「a」は見つかりません");
    EXPECT_EQ(LastMessage(), "3個を置換しました");
    EXPECT_EQ(window.beeps, 1);
}

TEST_F(SearchCommands, ReplaceAllWithAnEmptyTextDeletesEveryMatchAcrossLines) {
    Load("xAx\r\nax");
    commands.SearchTextChanged("a");
    commands.ReplaceAll();
    EXPECT_EQ(Text(), "xx\r\nx");
    EXPECT_EQ(LastMessage(), "2個を置換しました");
}

// The editor refuses each replacement; counting on would report replacements
// that never happened.
TEST_F(SearchCommands, ReplaceAllInAReadOnlyEditorChangesAndClaimsNothing) {
    Load("aaa");
    editor.SetReadOnly(true);
    commands.SearchTextChanged("a");
    commands.ReplaceTextChanged("b");
    commands.ReplaceAll();
    EXPECT_EQ(Text(), "aaa");
    EXPECT_EQ(window.beeps, 1);
    EXPECT_EQ(LastMessage(), "(none)");
}

// An empty match does not move on, so the loop would never end.
TEST_F(SearchCommands, ReplaceAllWithAnEmptySearchTextDoesNothing) {
    Load("ab");
    commands.ReplaceTextChanged("x");
    commands.ReplaceAll();
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(window.beeps, 1);
}

// The editor cannot put its caret on the LF of a line break: it selects
// nothing before the CR instead. Replacing that would insert the text there
// again and again.
TEST_F(SearchCommands, ReplaceAllLeavesAMatchTheEditorCannotSelect) {
    Load("a\r\nb\r\n");
    commands.SearchTextChanged("\n");
    commands.ReplaceTextChanged("x");
    commands.ReplaceAll();
    EXPECT_EQ(Text(), "a\r\nb\r\n");
    EXPECT_EQ(LastMessage(), "0個を置換しました");
}

TEST_F(SearchCommands, ReplaceAndFindNextReplacesTheSelectionAndSelectsTheNextMatch) {
    Load("ab ab");
    commands.SearchTextChanged("ab");
    commands.ReplaceTextChanged("X");
    commands.FindNext();
    commands.ReplaceAndFindNext();
    EXPECT_EQ(Text(), "X ab");
    EXPECT_EQ(editor.SelStart(), 2);
    EXPECT_EQ(editor.SelText(), "ab");
    EXPECT_EQ(window.replaceList, std::vector<std::string>{"X"});
}

TEST_F(SearchCommands, ReturnInABoxSearchesForwardOnlyWhenFindNextIsAvailable) {
    Load("xyz");
    commands.SearchTextChanged("z");
    EXPECT_FALSE(commands.ReturnPressed(false));
    EXPECT_EQ(editor.SelStart(), 0);
    EXPECT_TRUE(commands.ReturnPressed(true));
    EXPECT_EQ(editor.SelStart(), 2);
    EXPECT_EQ(window.searchList, std::vector<std::string>{"z"});
    EXPECT_EQ(window.searchBox, "z");
}

TEST(SearchHistory, KeepsEightDistinctTextsNewestFirstIgnoringLetterCase) {
    TSearchHistory history;
    for (const char* text : {"a", "b", "c", "d", "e", "f", "g", "h"})
        history.Remember(text);
    history.Remember("C");
    EXPECT_EQ(history.Entries(),
              (std::vector<std::string>{"C", "h", "g", "f", "e", "d", "b", "a"}));
    history.Remember("i");
    EXPECT_EQ(history.Entries().size(), 8u);
    EXPECT_EQ(history.Entries().front(), "i");
    EXPECT_EQ(history.Entries().back(), "b");
}

TEST_F(SearchCommands, HistoriesSkipEmptyStoredValuesAndArePaddedWhenSaved) {
    test::TempFolder folder;
    SettingsStore store{folder / "Mojiro.ini"};
    store.Open();
    commands.SearchHistory().Assign({"", "\x8C\x9F", "", "b"}); // 検
    commands.ReplaceHistory().Remember("r");
    commands.SaveHistories(store);
    TSearchCommands loaded{window};
    loaded.LoadHistories(store);
    EXPECT_EQ(loaded.SearchHistory().Entries(), (std::vector<std::string>{"\x8C\x9F", "b"}));
    EXPECT_EQ(loaded.ReplaceHistory().StoredValues(),
              (std::vector<std::string>{"r", "", "", "", "", "", "", ""}));
}

TEST_F(SearchCommands, ReplaceButtonsFollowASelectionEqualToTheSearchText) {
    Load("abc");
    editor.SetSelStart(1);
    editor.SetSelLength(1);
    EXPECT_EQ(
        SearchBoxButtons("b", editor),
        (SearchButtons{.find = true, .replace = true, .replaceAll = true, .selectAll = true}));
    EXPECT_EQ(SearchBoxButtons("B", editor).replace, false); // exact bytes only
    EXPECT_EQ(SelectionButtons("b", editor),
              (SearchButtons{.replace = true, .selectSearch = true, .selectReplace = true}));
    editor.SetReadOnly(true);
    EXPECT_EQ(SelectionButtons("b", editor), SearchButtons{.selectSearch = true});
    EXPECT_EQ(StatusButtons("b", editor), SearchButtons{.find = true});
    // An empty document leaves the buttons as they are.
    Load("");
    EXPECT_EQ(SearchBoxButtons("b", editor), SearchButtons{.selectAll = true});
}

} // namespace
} // namespace mojiro
