// TEditorStrings (the control's `Lines`): logical lines over the row list,
// with no storage of its own. Every change goes through ReplaceRows.
#pragma once

#include "editor/ScreenStrings.h"

#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class TEditorStrings {
public:
    // `owner` is the view whose selection and caret follow the edits; it may
    // be absent (the row list alone).
    TEditorStrings(TEditorScreenStrings& rows, EditorViewLink* owner)
        : rows_(&rows), owner_(owner) {}

    // A view that starts sharing another document points its facade there.
    void SetRowList(TEditorScreenStrings& rows) { rows_ = &rows; }

    [[nodiscard]] int Count() const { return rows_->LineCount(); }
    [[nodiscard]] int LineToRow(int index) const { return rows_->LineToRow(index); }
    [[nodiscard]] std::string Get(int index) const;
    void Put(int index, std::string_view s);
    void Insert(int index, std::string_view s);
    int Add(std::string_view s);
    void Delete(int index);
    void Clear() { rows_->Clear(); }

    [[nodiscard]] std::string Text() const { return rows_->Text(); }
    void SetText(std::string_view text) { rows_->SetText(text); }
    void LoadFromFile(const std::string& fileName) { rows_->LoadFromFile(fileName); }
    // Sets the text from a list of lines and puts the caret after the last row.
    void Assign(const std::vector<std::string>& lines);

    void BeginUpdate();
    void EndUpdate();
    [[nodiscard]] int UpdateDepth() const { return depth_; }

private:
    // Clears the selection and hides the caret around one edit, then places
    // the caret after the replacement text.
    void Edit(int row, int n, const std::string& text, std::ptrdiff_t caretIndex);

    TEditorScreenStrings* rows_;
    EditorViewLink* owner_;
    int depth_ = 0;
};

} // namespace mojiro
