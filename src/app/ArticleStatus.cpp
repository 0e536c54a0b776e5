#include "app/ArticleStatus.h"

#include "editor/CustomEditor.h"
#include "platform/CodePage.h"
#include "settings/SettingsTable.h"

#include <algorithm>

// The Japanese texts below are UTF-8 (this file's encoding): they are shown
// by the toolkit, not stored in the document.

namespace mojiro {

namespace {

// The title separator is looked for in rows 0 to 20, the end separator in the
// last 20 rows.
constexpr int kTitleScanRows = 21;
constexpr int kEndScanRows = 20;

constexpr std::string_view kTitleFound = "　表題部あり";
constexpr std::string_view kTitleMissing = "　表題部なし";
constexpr std::string_view kEndFound = "　終端部あり";
constexpr std::string_view kEndMissing = "　終端部なし";

TSeparatorRule RuleFromIndex(int index) {
    return index == 1 ? TSeparatorRule::StartsWithMarker : TSeparatorRule::EmptyRow;
}

// The row text begins with the marker, ending on a character boundary of the
// row: a marker whose last byte is a lead byte must not match half of a
// double-byte character. An empty marker matches nothing.
bool StartsWithMarker(std::string_view row, std::string_view marker) {
    if (marker.empty() || !row.starts_with(marker))
        return false;
    std::size_t i = 0;
    while (i < marker.size())
        i += CharLength(row, i);
    return i == marker.size();
}

// Reads rows for the separator rules. Besides the document's rows, the empty
// row the editor shows after a final line break counts, since the reporter
// sees it; no other row outside the document does, so that a short article
// without a separator is "not found" just like a long one.
class SeparatorScan {
public:
    explicit SeparatorScan(const TCustomEditor& editor)
        : editor_(editor), rowCount_(editor.RowCount()),
          emptyRowAfterEnd_(rowCount_ > 0 &&
                            editor.GetRowEndKind(rowCount_ - 1) == RowEndKind::LineEnd) {}

    [[nodiscard]] int RowCount() const { return rowCount_; }

    [[nodiscard]] bool IsSeparator(int row, TSeparatorRule rule, std::string_view marker) const {
        std::string text;
        if (row >= 0 && row < rowCount_)
            text = editor_.RowString(row);
        else if (!(emptyRowAfterEnd_ && row == rowCount_))
            return false;
        return rule == TSeparatorRule::EmptyRow ? text.empty() : StartsWithMarker(text, marker);
    }

private:
    const TCustomEditor& editor_;
    int rowCount_;
    bool emptyRowAfterEnd_;
};

// The title separator row, or -1 when none of the first rows is one.
int FindTitleLastRow(const SeparatorScan& scan, const TStatusRules& rules) {
    for (int row = 0; row < kTitleScanRows; ++row) {
        if (scan.IsSeparator(row, rules.titleIndex, rules.titleTopLetter))
            return row;
    }
    return -1;
}

// Rows of the end part counted from the last row, separator included; the
// separator nearest the end wins. 0 when none of the last rows is one.
int FindEndRowCount(const SeparatorScan& scan, const TStatusRules& rules) {
    for (int i = 1; i <= kEndScanRows; ++i) {
        if (scan.IsSeparator(scan.RowCount() - i, rules.endIndex, rules.endTopLetter))
            return i;
    }
    return 0;
}

} // namespace

TStatusRules LoadStatusRules(const SettingsStore& store) {
    TStatusRules rules;
    rules.titleAble = ReadSetting(store, BoolSetting{"Option", "TitleAble"});
    rules.titleIndex = RuleFromIndex(ReadSetting(store, IntegerSetting{"Option", "TitleIndex"}));
    rules.titleTopLetter = ReadSetting(store, TextSetting{"Option", "TitleTopLetter"});
    rules.endAble = ReadSetting(store, BoolSetting{"Option", "EndAble"});
    rules.endIndex = RuleFromIndex(ReadSetting(store, IntegerSetting{"Option", "EndIndex"}));
    rules.endTopLetter = ReadSetting(store, TextSetting{"Option", "EndTopLetter"});
    return rules;
}

void SaveStatusRules(SettingsStore& store, const TStatusRules& rules) {
    WriteSetting(store, BoolSetting{"Option", "TitleAble"}, rules.titleAble);
    WriteSetting(store, IntegerSetting{"Option", "TitleIndex"}, static_cast<int>(rules.titleIndex));
    WriteSetting(store, TextSetting{"Option", "TitleTopLetter"}, rules.titleTopLetter);
    WriteSetting(store, BoolSetting{"Option", "EndAble"}, rules.endAble);
    WriteSetting(store, IntegerSetting{"Option", "EndIndex"}, static_cast<int>(rules.endIndex));
    WriteSetting(store, TextSetting{"Option", "EndTopLetter"}, rules.endTopLetter);
}

std::string LineLengthText(int wrapByte) {
    return "1行" + std::to_string(wrapByte / 2) + "字";
}

std::string InsertModeText(bool overwrite) {
    return overwrite ? "上書き" : "挿入";
}

// Box mode is shown for as long as it is on, so that no other panel update
// can hide it while it still governs selecting and pasting.
std::string BoxModeText(bool box) {
    return box ? "BOX選択" : "";
}

TArticleStatusResult ArticleStatus::Recompute(const TCustomEditor& editor, int caretRow,
                                              TDocumentName name) {
    TArticleStatusResult result;
    const SeparatorScan scan(editor);
    std::string parts;
    if (rules_.titleAble) {
        result.titleLastRow = FindTitleLastRow(scan, rules_);
        parts += result.titleLastRow >= 0 ? kTitleFound : kTitleMissing;
    }
    if (rules_.endAble) {
        result.endRowCount = FindEndRowCount(scan, rules_);
        parts += result.endRowCount > 0 ? kEndFound : kEndMissing;
    }
    result.bodyRowCount = scan.RowCount() - result.titleLastRow - result.endRowCount - 1;

    // Without a rule there are no parts to overlap; a no-body state left over
    // from rules since switched off must not pin the caret panel to 0.
    const bool anyRule = rules_.titleAble || rules_.endAble;
    result.noBody = anyRule && (result.bodyRowCount < 0 || editor.TextLength() == 0);
    std::string& partsPanel = result.panels[5];
    if (result.noBody) {
        result.bodyRowCount = 0;
        if (rules_.titleAble)
            partsPanel += kTitleMissing;
        if (rules_.endAble)
            partsPanel += kEndMissing;
    } else if (anyRule) {
        partsPanel = std::move(parts);
    }

    titleLastRow_ = result.titleLastRow;
    bodyRowCount_ = result.bodyRowCount;
    noBody_ = result.noBody;

    result.panels[0] = CaretMove(caretRow);
    result.caretBodyRow = caretBodyRow_;
    result.panels[1] = "全" + std::to_string(result.bodyRowCount) + "行";
    result.panels[2] = LineLengthText(editor.ListInfo().WrapOption().WrapByte());
    result.panels[3] = InsertModeText(editor.Overwrite());
    result.panels[4] = BoxModeText(editor.SelectionMode() == TEditorSelectionMode::smBox);

    if (editor.Modified() && !captionMarked_ && name == TDocumentName::Named) {
        result.markCaption = true;
        captionMarked_ = true;
    }
    return result;
}

std::string ArticleStatus::CaretMove(int caretRow) {
    // A caret in the title part shows 0, one in the end part the last body row.
    const int row = noBody_ ? 0 : caretRow - titleLastRow_;
    caretBodyRow_ = std::clamp(row, 0, bodyRowCount_);
    return std::to_string(caretBodyRow_) + "行目";
}

} // namespace mojiro
