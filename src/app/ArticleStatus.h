// The article status of the main window: the article's length in folded rows
// at the current line length, leaving out a title part at the top and an end
// part at the bottom that the reporter's separator rules recognise, the
// caret's row inside the body, the six status bar panels, and the one-time
// "（更新）" mark of the caption.
//
// Everything is recomputed from the editor on each change and caret move, and
// only the first 21 and the last 20 rows are ever read, so the cost of a
// keystroke does not grow with the document.
//
// Two kinds of text meet here. Row texts and the separator markers are CP932
// document bytes; the panel texts and the caption mark are shown by the
// toolkit and are UTF-8. The Japanese literals in ArticleStatus.cpp are
// written as UTF-8 in the source on purpose.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace mojiro {

class SettingsStore;
class TCustomEditor;

// How a part ends (title) or begins (end part): the stored TitleIndex and
// EndIndex.
enum class TSeparatorRule {
    EmptyRow = 0,         // the first row with no text ("改行のみの行")
    StartsWithMarker = 1, // the first row that begins with the marker text
};

// The reporter's rules, named after their stored values in section Option.
struct TStatusRules {
    bool titleAble = false; // leave the title part out of the count
    TSeparatorRule titleIndex = TSeparatorRule::EmptyRow;
    std::string titleTopLetter; // CP932
    bool endAble = false;       // leave the end part out of the count
    TSeparatorRule endIndex = TSeparatorRule::EmptyRow;
    std::string endTopLetter; // CP932

    bool operator==(const TStatusRules&) const = default;
};

// The rules from an open store; absent values give the defaults, and a rule
// index other than 0 or 1 reads as 0.
[[nodiscard]] TStatusRules LoadStatusRules(const SettingsStore& store);
// Writes the six values to an open store.
void SaveStatusRules(SettingsStore& store, const TStatusRules& rules);

// Whether the document has a file yet; an untitled document is never marked
// as changed in the caption.
enum class TDocumentName { Untitled, Named };

// Appended once to the caption of a named document when it is first changed.
inline constexpr std::string_view kCaptionChangedMark = "（更新）";

// The six panels of the status bar, left to right.
inline constexpr int kStatusPanelCount = 6;
struct TStatusPanelLayout {
    int width = 0;       // pixels; 0 for the last panel, which takes the rest
    bool centred = true; // else left-aligned
};
inline constexpr std::array<TStatusPanelLayout, kStatusPanelCount> kStatusPanelLayout = {{
    {70, true}, // caret body row
    {70, true}, // body row count
    {80, true}, // line length
    {50, true}, // insert or overwrite
    {70, true}, // box selection
    {0, false}, // title/end status and command messages
}};

// Panel texts (UTF-8) for the window's own handlers.
[[nodiscard]] std::string LineLengthText(int wrapByte); // 1行40字
[[nodiscard]] std::string InsertModeText(bool overwrite);
[[nodiscard]] std::string BoxModeText(bool box);

// What one status computation found and what the window shows for it.
struct TArticleStatusResult {
    int titleLastRow = -1; // the title separator row; -1 without a title part
    int endRowCount = 0;   // rows of the end part, separator included
    int bodyRowCount = 0;
    bool noBody = false;
    int caretBodyRow = 0; // 1 for the first body row

    std::array<std::string, kStatusPanelCount> panels;
    // Append kCaptionChangedMark to the caption now.
    bool markCaption = false;
};

class ArticleStatus {
public:
    explicit ArticleStatus(TStatusRules rules = {}) : rules_(std::move(rules)) {}

    [[nodiscard]] const TStatusRules& Rules() const { return rules_; }
    // Takes effect at the next Recompute.
    void SetRules(TStatusRules rules) { rules_ = std::move(rules); }

    // Editor1Change: the whole status of `editor` with the caret of the active
    // pane on `caretRow`. Every panel is filled; panel 5 replaces whatever
    // message a command left there.
    [[nodiscard]] TArticleStatusResult Recompute(const TCustomEditor& editor, int caretRow,
                                                 TDocumentName name);

    // Editor1CaretMove: the text of panel 0 for the caret on `caretRow`, from
    // the parts of the last Recompute.
    [[nodiscard]] std::string CaretMove(int caretRow);
    [[nodiscard]] int CaretBodyRow() const { return caretBodyRow_; }

    [[nodiscard]] bool CaptionMarked() const { return captionMarked_; }
    // Opening, saving or closing a document writes a fresh caption.
    void ClearCaptionMark() { captionMarked_ = false; }

private:
    TStatusRules rules_;
    int titleLastRow_ = -1;
    int bodyRowCount_ = 0;
    bool noBody_ = false;
    int caretBodyRow_ = 0;
    bool captionMarked_ = false;
};

} // namespace mojiro
