// The search tool bars on the offscreen platform: the boxes hand their CP932
// texts to the commands and show the buttons and histories they decide.
#include "../editor/FakeHost.h"
#include "MainWindowFixture.h"
#include "app/SearchBar.h"
#include "editor/CustomEditor.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>
#include <gtest/gtest.h>

namespace mojiro {
namespace {

// A window that hands the widget side of the commands to the bars.
class BarWindow : public SearchHost {
public:
    TCustomEditor& ActivePane() override { return *pane; }
    void FocusActivePane() override {}
    void FocusSearchBox() override { bars->FocusSearchBox(); }
    void FocusReplaceBox() override { bars->FocusReplaceBox(); }
    void ShowMessage(const std::string& text) override { message = text; }
    void Beep() override {}
    void RepaintActivePane() override {}
    void ShowButtons(const SearchButtons& buttons) override { bars->ShowButtons(buttons); }
    void ShowSearchHistory(const TSearchHistory& h) override { bars->ShowSearchHistory(h); }
    void ShowReplaceHistory(const TSearchHistory& h) override { bars->ShowReplaceHistory(h); }
    void SetSearchBoxText(const std::string& text) override { bars->SetSearchBoxText(text); }
    void SetReplaceBoxText(const std::string& text) override { bars->SetReplaceBoxText(text); }

    TCustomEditor* pane = nullptr;
    TSearchBars* bars = nullptr;
    std::string message;
};

class SearchBar : public ::testing::Test {
protected:
    SearchBar() {
        editor.InitFontMetrics();
        window.pane = &editor;
        window.bars = &bars;
    }

    // The application comes before the first widget.
    const bool applicationReady = (EnsureApplication(), true);
    test::FakeHost host;
    TCustomEditor editor{host};
    BarWindow window;
    TSearchCommands commands{window};
    QToolBar textBar;
    QToolBar buttonBar;
    TSearchBars bars{textBar, buttonBar, commands, {}};
};

TEST_F(SearchBar, TypedSearchTextReachesTheCommandsAsCp932AndEnablesTheButtons) {
    editor.ListInfo().LoadFromBytes("x\x8C\x9F"); // x検
    EXPECT_FALSE(bars.Actions().replaceAll->isEnabled());
    bars.SearchLetterCb()->setEditText(QString::fromUtf8("検"));
    EXPECT_EQ(commands.SearchText(), "\x8C\x9F");
    EXPECT_TRUE(bars.Actions().findNext->isEnabled());
    EXPECT_TRUE(bars.Actions().replaceAll->isEnabled());
    EXPECT_EQ(bars.SearchLetterCb()->toolTip(), QString::fromUtf8("ここに検索する文字を入力"));
    EXPECT_EQ(bars.Actions().findNext->toolTip(), QString::fromUtf8("次を検索(F3)"));
}

TEST_F(SearchBar, ReturnInTheReplaceBoxSearchesAndFillsTheHistory) {
    editor.ListInfo().LoadFromBytes("abcabc");
    bars.SearchLetterCb()->setEditText("C");
    bars.ReplaceLetterCb()->setEditText("z");
    Press(bars.ReplaceLetterCb()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(editor.SelStart(), 2);
    EXPECT_TRUE(bars.Actions().replaceNext->isEnabled());
    ASSERT_EQ(bars.SearchLetterCb()->count(), 1);
    EXPECT_EQ(bars.SearchLetterCb()->itemText(0), "C");
    EXPECT_EQ(bars.SearchLetterCb()->currentText(), "C");
    EXPECT_EQ(bars.ReplaceLetterCb()->itemText(0), "z");
}

} // namespace
} // namespace mojiro
