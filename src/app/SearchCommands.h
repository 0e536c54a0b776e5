// TSearchCommands: the search and replace commands of the main window and
// the state behind its search-text bar, without any widget. The window owns
// one, forwards the events of the two boxes and the command handlers to it,
// and does what it asks through SearchHost.
//
// Search and replace texts and the histories are CP932 like the document;
// messages for the status bar are UTF-8.
#pragma once

#include "app/SearchHistory.h"
#include "editor/TextSearch.h"

#include <optional>
#include <string>
#include <string_view>

namespace mojiro {

class SettingsStore;
class TCustomEditor;

// Enabled states of the buttons the search commands govern (the menu items
// follow their buttons); a field without a value leaves its button as it is.
struct SearchButtons {
    std::optional<bool> find = {};          // NextSearchBtn, BeforeSearchBtn
    std::optional<bool> replace = {};       // ReplaceNextBtn, ReplaceBeforeBtn
    std::optional<bool> replaceAll = {};    // ReplaceAllBtn
    std::optional<bool> selectSearch = {};  // SelectSearchBtn
    std::optional<bool> selectReplace = {}; // SelectReplaceBtn
    std::optional<bool> selectAll = {};     // SelectAllBtn (then working on the box)
    bool operator==(const SearchButtons&) const = default;
};

// The buttons for a state, for the window to show.
// After the article status was computed.
[[nodiscard]] SearchButtons StatusButtons(std::string_view searchText, const TCustomEditor& pane);
// After the active pane's selection changed.
[[nodiscard]] SearchButtons SelectionButtons(std::string_view searchText,
                                             const TCustomEditor& pane);
// After the text of the search box or of the replace box changed.
[[nodiscard]] SearchButtons SearchBoxButtons(std::string_view searchText,
                                             const TCustomEditor& pane);
[[nodiscard]] SearchButtons ReplaceBoxButtons(std::string_view searchText,
                                              std::string_view replaceText,
                                              const TCustomEditor& pane);

// What the commands need of the window.
class SearchHost {
public:
    virtual ~SearchHost() = default;

    // The editor pane that last had the focus.
    virtual TCustomEditor& ActivePane() = 0;
    virtual void FocusActivePane() = 0;
    virtual void FocusSearchBox() = 0;
    virtual void FocusReplaceBox() = 0;
    // Status panel 5; an empty text clears it.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void Beep() = 0;
    // A failed search put the caret back: show the pane as it is now.
    virtual void RepaintActivePane() = 0;
    virtual void ShowButtons(const SearchButtons& buttons) = 0;
    // Refill a box's drop-down list from its history (newest first).
    virtual void ShowSearchHistory(const TSearchHistory& history) = 0;
    virtual void ShowReplaceHistory(const TSearchHistory& history) = 0;
    // Put a text into a box (this may report a change of the box's text).
    virtual void SetSearchBoxText(const std::string& text) = 0;
    virtual void SetReplaceBoxText(const std::string& text) = 0;
};

class TSearchCommands {
public:
    explicit TSearchCommands(SearchHost& host) : host_(host) {}

    [[nodiscard]] const std::string& SearchText() const { return searchText_; }
    [[nodiscard]] const std::string& ReplaceText() const { return replaceText_; }
    [[nodiscard]] const TSearchHistory& SearchHistory() const { return searchHistory_; }
    [[nodiscard]] const TSearchHistory& ReplaceHistory() const { return replaceHistory_; }
    [[nodiscard]] TSearchHistory& SearchHistory() { return searchHistory_; }
    [[nodiscard]] TSearchHistory& ReplaceHistory() { return replaceHistory_; }
    // While a box has the focus the edit commands work on it.
    [[nodiscard]] bool SearchBoxFocused() const { return searchBoxFocused_; }
    [[nodiscard]] bool ReplaceBoxFocused() const { return replaceBoxFocused_; }

    // SearchLetter0..7 and ReplaceLetter0..7 of an open store.
    void LoadHistories(const SettingsStore& store);
    void SaveHistories(SettingsStore& store) const;

    // ---- events of the boxes (texts CP932) ----------------------------
    void SearchTextChanged(std::string_view boxText);
    void ReplaceTextChanged(std::string_view boxText);
    void SearchBoxEntered(std::string_view boxText);
    void ReplaceBoxEntered(std::string_view boxText);
    void SearchBoxLeft() { searchBoxFocused_ = false; }
    void ReplaceBoxLeft() { replaceBoxFocused_ = false; }
    // Return in either box: searches forward when find next is available;
    // true when the key was taken.
    bool ReturnPressed(bool findNextEnabled);

    // ---- operations ------------------------------------------------------
    // Selects the next match from the caret (or after the selection), or the
    // previous one before it; on failure puts the caret back, beeps and says
    // so in the status bar.
    bool Find(SearchDirection direction);
    // Puts the search text (and a non-empty replace text) first in its history.
    void RememberSearchTexts();

    // ---- commands --------------------------------------------------------
    void FindNext();
    void FindPrevious();
    void ReplaceAndFindNext();
    void ReplaceAndFindPrevious();
    void ReplaceAll();
    void SelectionToSearchText();
    void SelectionToReplaceText();
    void ToBeginning();
    void ToEnd();

private:
    // Find from a given start; the place of the match.
    std::optional<std::ptrdiff_t> FindFrom(std::ptrdiff_t start, SearchDirection direction);
    void ReplaceAndFind(SearchDirection direction);

    SearchHost& host_;
    std::string searchText_;
    std::string replaceText_;
    TSearchHistory searchHistory_;
    TSearchHistory replaceHistory_;
    bool searchBoxFocused_ = false;
    bool replaceBoxFocused_ = false;
};

} // namespace mojiro
