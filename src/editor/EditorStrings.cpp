#include "editor/EditorStrings.h"

namespace mojiro {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}

std::string TEditorStrings::Get(int index) const {
    if (index < 0 || index >= Count())
        throw ListIndexError(index);
    std::string line = rows_->RowsText(rows_->LineToRow(index), -1).text;
    while (!line.empty() && line.back() == '\n') {
        line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    }
    return line;
}

void TEditorStrings::Edit(int row, int n, const std::string& text, std::ptrdiff_t caretIndex) {
    if (owner_ != nullptr) {
        owner_->CleanSelection();
        owner_->CaretBeginUpdate();
    }
    struct ShowCaret {
        EditorViewLink* view;
        int row;
        std::ptrdiff_t index;
        ~ShowCaret() {
            if (view != nullptr) {
                view->SetCaretByCharIndex(row, index);
                view->CaretEndUpdate();
            }
        }
    } showCaret{owner_, row, caretIndex};
    rows_->ReplaceRows(row, n, text);
}

void TEditorStrings::Put(int index, std::string_view s) {
    if (index < 0 || index >= Count())
        throw ListIndexError(index);
    const int first = rows_->LineToRow(index);
    const int last = rows_->LineLastRow(first);
    std::string text(s);
    if (rows_->GetRowEndKind(last) == RowEndKind::LineEnd)
        text.append(kCrLf);
    Edit(first, last - first + 1, text, static_cast<std::ptrdiff_t>(text.size()));
}

void TEditorStrings::Insert(int index, std::string_view s) {
    const int row = rows_->LineToRow(index);
    if (row == rows_->Count()) {
        Add(s);
        return;
    }
    std::string text(s);
    text.append(kCrLf);
    Edit(row, 0, text, static_cast<std::ptrdiff_t>(text.size()));
}

int TEditorStrings::Add(std::string_view s) {
    const int before = Count();
    const int count = rows_->Count();
    if (count > 0 && rows_->GetRowEndKind(count - 1) != RowEndKind::LineEnd) {
        // The text still ends without a line break: the old last line gets
        // one and the new line becomes the open last row.
        std::string text = rows_->Get(count - 1);
        text.append(kCrLf);
        text.append(s);
        Edit(count - 1, 1, text, static_cast<std::ptrdiff_t>(text.size()));
    } else {
        std::string text(s);
        text.append(kCrLf);
        Edit(count, 0, text, static_cast<std::ptrdiff_t>(text.size()));
    }
    return before;
}

void TEditorStrings::Delete(int index) {
    if (index < 0 || index >= Count())
        throw ListIndexError(index);
    const int row = rows_->LineToRow(index);
    Edit(row, rows_->LineLastRow(row) - rows_->LineFirstRow(row) + 1, std::string(), 0);
}

void TEditorStrings::Assign(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(line);
        text.append(kCrLf);
    }
    SetText(text);
    if (owner_ != nullptr) {
        owner_->SetRow(rows_->Count());
        owner_->SetCol(0);
    }
}

void TEditorStrings::BeginUpdate() {
    if (depth_++ == 0) {
        rows_->BeginUpdate();
        if (owner_ != nullptr)
            owner_->CaretBeginUpdate();
    }
}

void TEditorStrings::EndUpdate() {
    if (depth_ == 0)
        return;
    if (--depth_ == 0) {
        if (owner_ != nullptr)
            owner_->CaretEndUpdate();
        rows_->EndUpdate();
    }
}

} // namespace mojiro
