#include "app/SearchCommands.h"

#include "editor/CustomEditor.h"
#include "platform/Cp932Codec.h"
#include "settings/SettingsTable.h"

namespace mojiro {
namespace {

// Whether the pane's selected text is `text` byte for byte; the lengths are
// compared first so that a large selection is not copied for nothing.
bool SelectionIs(const TCustomEditor& pane, std::string_view text) {
    return !text.empty() && pane.Selected() &&
           pane.SelLength() == static_cast<std::ptrdiff_t>(text.size()) && pane.SelText() == text;
}

bool HasSelectedText(const TCustomEditor& pane) {
    return pane.Selected() && pane.SelLength() > 0;
}

bool DocumentEmpty(const TCustomEditor& pane) {
    return pane.TextLength() == 0;
}

} // namespace

SearchButtons StatusButtons(std::string_view searchText, const TCustomEditor& pane) {
    const bool available = !searchText.empty() && !DocumentEmpty(pane);
    SearchButtons buttons{.find = available};
    if (!pane.ReadOnly())
        buttons.replaceAll = available;
    return buttons;
}

SearchButtons SelectionButtons(std::string_view searchText, const TCustomEditor& pane) {
    const bool selected = HasSelectedText(pane);
    SearchButtons buttons{.selectSearch = selected};
    if (!pane.ReadOnly()) {
        buttons.selectReplace = selected;
        buttons.replace = SelectionIs(pane, searchText);
    }
    return buttons;
}

SearchButtons SearchBoxButtons(std::string_view searchText, const TCustomEditor& pane) {
    SearchButtons buttons{.selectAll = !searchText.empty()};
    if (!DocumentEmpty(pane)) {
        buttons.find = buttons.replaceAll = !searchText.empty();
        buttons.replace = SelectionIs(pane, searchText);
    }
    return buttons;
}

SearchButtons ReplaceBoxButtons(std::string_view searchText, std::string_view replaceText,
                                const TCustomEditor& pane) {
    SearchButtons buttons{.selectAll = !replaceText.empty()};
    if (!DocumentEmpty(pane)) {
        buttons.replaceAll = !searchText.empty();
        buttons.replace = SelectionIs(pane, searchText);
    }
    return buttons;
}

void TSearchCommands::LoadHistories(const SettingsStore& store) {
    std::vector<std::string> search;
    std::vector<std::string> replace;
    for (int n = 0; n < TSearchHistory::kMaxEntries; ++n) {
        search.push_back(ReadSetting(store, TextSetting{"Search", "SearchLetter"}, n));
        replace.push_back(ReadSetting(store, TextSetting{"Search", "ReplaceLetter"}, n));
    }
    searchHistory_.Assign(search);
    replaceHistory_.Assign(replace);
}

void TSearchCommands::SaveHistories(SettingsStore& store) const {
    const std::vector<std::string> search = searchHistory_.StoredValues();
    const std::vector<std::string> replace = replaceHistory_.StoredValues();
    for (int n = 0; n < TSearchHistory::kMaxEntries; ++n) {
        WriteSetting(store, TextSetting{"Search", "SearchLetter"}, n, search[n]);
        WriteSetting(store, TextSetting{"Search", "ReplaceLetter"}, n, replace[n]);
    }
}

void TSearchCommands::SearchTextChanged(std::string_view boxText) {
    searchText_ = boxText;
    host_.ShowButtons(SearchBoxButtons(searchText_, host_.ActivePane()));
}

void TSearchCommands::ReplaceTextChanged(std::string_view boxText) {
    replaceText_ = boxText;
    host_.ShowButtons(ReplaceBoxButtons(searchText_, replaceText_, host_.ActivePane()));
}

void TSearchCommands::SearchBoxEntered(std::string_view boxText) {
    searchBoxFocused_ = true;
    SearchTextChanged(boxText);
}

void TSearchCommands::ReplaceBoxEntered(std::string_view boxText) {
    replaceBoxFocused_ = true;
    ReplaceTextChanged(boxText);
}

bool TSearchCommands::ReturnPressed(bool findNextEnabled) {
    if (!findNextEnabled)
        return false;
    host_.FocusActivePane();
    RememberSearchTexts();
    Find(SearchDirection::Forward);
    return true;
}

bool TSearchCommands::Find(SearchDirection direction) {
    TCustomEditor& pane = host_.ActivePane();
    std::ptrdiff_t start = pane.SelStart();
    if (pane.Selected() && direction == SearchDirection::Forward)
        start += pane.SelLength();
    return FindFrom(start, direction).has_value();
}

std::optional<std::ptrdiff_t> TSearchCommands::FindFrom(std::ptrdiff_t start,
                                                        SearchDirection direction) {
    host_.ShowMessage({});
    TCustomEditor& pane = host_.ActivePane();
    const auto found = FindText(pane.ListInfo(), searchText_, start, direction);
    if (found) {
        host_.FocusActivePane();
        pane.SetSelStart(*found);
        pane.SetSelLength(static_cast<std::ptrdiff_t>(searchText_.size()));
        if (!pane.ReadOnly())
            host_.ShowButtons({.replace = true});
        return found;
    }
    host_.ShowButtons({.replace = false});
    pane.SetSelStart(start);
    host_.RepaintActivePane();
    host_.ShowMessage("「" + Cp932ToUtf8(searchText_) + "」は見つかりません");
    host_.Beep();
    return found;
}

void TSearchCommands::RememberSearchTexts() {
    // Copies: putting a text into a box may report a change of that box.
    const std::string search = searchText_;
    searchHistory_.Remember(search);
    host_.ShowSearchHistory(searchHistory_);
    host_.SetSearchBoxText(search);
    if (!replaceText_.empty()) {
        const std::string replace = replaceText_;
        replaceHistory_.Remember(replace);
        host_.ShowReplaceHistory(replaceHistory_);
        host_.SetReplaceBoxText(replace);
    }
}

void TSearchCommands::FindNext() {
    RememberSearchTexts();
    Find(SearchDirection::Forward);
}

void TSearchCommands::FindPrevious() {
    RememberSearchTexts();
    Find(SearchDirection::Backward);
}

void TSearchCommands::ReplaceAndFind(SearchDirection direction) {
    // A read-only editor refuses the edit itself.
    host_.ActivePane().SetSelText(replaceText_);
    RememberSearchTexts();
    Find(direction);
}

void TSearchCommands::ReplaceAndFindNext() {
    ReplaceAndFind(SearchDirection::Forward);
}

void TSearchCommands::ReplaceAndFindPrevious() {
    ReplaceAndFind(SearchDirection::Backward);
}

void TSearchCommands::ReplaceAll() {
    TCustomEditor& pane = host_.ActivePane();
    // A read-only editor would refuse every replacement while the count went
    // on; an empty search text matches nothing at the same place for ever.
    if (pane.ReadOnly() || searchText_.empty()) {
        host_.Beep();
        return;
    }
    RememberSearchTexts();
    pane.SetSelStart(0);
    const auto length = static_cast<std::ptrdiff_t>(searchText_.size());
    long long count = 0;
    std::ptrdiff_t start = 0;
    while (const auto match = FindFrom(start, SearchDirection::Forward)) {
        if (pane.SelStart() == *match && pane.SelLength() == length) {
            pane.SetSelText(replaceText_);
            ++count;
            start = pane.SelStart(); // after the inserted text
        } else {
            // The editor could not select the match (one beginning on the LF
            // of a line break selects from its CR): replacing its selection
            // would change other bytes, and could do so at the same place for
            // ever. The match is left as it is.
            start = *match + 1;
        }
    }
    host_.ShowMessage(std::to_string(count) + "個を置換しました");
}

void TSearchCommands::SelectionToSearchText() {
    TCustomEditor& pane = host_.ActivePane();
    host_.FocusSearchBox();
    const std::string text = pane.SelText();
    host_.SetSearchBoxText(text);
    SearchTextChanged(text);
    host_.FocusActivePane();
}

void TSearchCommands::SelectionToReplaceText() {
    TCustomEditor& pane = host_.ActivePane();
    host_.FocusReplaceBox();
    const std::string text = pane.SelText();
    host_.SetReplaceBoxText(text);
    ReplaceTextChanged(text);
    host_.FocusActivePane();
}

void TSearchCommands::ToBeginning() {
    TCustomEditor& pane = host_.ActivePane();
    pane.SetSelStart(0);
    pane.SetTopRow(0);
}

void TSearchCommands::ToEnd() {
    TCustomEditor& pane = host_.ActivePane();
    pane.SetSelStart(pane.TextLength());
    pane.SetTopRow(pane.RowCount() - pane.PageRows());
}

} // namespace mojiro
