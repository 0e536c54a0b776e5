#include "editor/ScreenStrings.h"

#include "editor/EditorViewInfo.h"
#include "editor/LineFolder.h"
#include "editor/LineSplitter.h"

#include <algorithm>

namespace mojiro {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// Screen rows assumed when no view tells how tall its screen is.
constexpr int kDefaultScreenRows = 64;

} // namespace

bool EndsWithBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

TEditorScreenStrings::TEditorScreenStrings() {
    undoObj_ = CreateUndoObj();
    wrapOption_ = CreateWrapOption();
}

TEditorScreenStrings::~TEditorScreenStrings() = default;

std::unique_ptr<TEditorUndoObj> TEditorScreenStrings::CreateUndoObj() {
    return std::make_unique<TEditorUndoObj>(*this);
}

std::unique_ptr<TEditorWrapOption> TEditorScreenStrings::CreateWrapOption() {
    auto options = std::make_unique<TEditorWrapOption>();
    options->SetOnChange([this](TNotifyPersistent*) {
        ++wrapOptionGeneration_;
        WrapOptionChanged();
    });
    return options;
}

// ---- views and notification ----------------------------------------------

void TEditorScreenStrings::AttachView(EditorViewLink* view) {
    if (view != nullptr && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

bool TEditorScreenStrings::DetachView(EditorViewLink* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    return views_.empty();
}

EditorViewLink* TEditorScreenStrings::FocusedView() const {
    for (EditorViewLink* view : views_)
        if (view->HasFocus())
            return view;
    return views_.empty() ? nullptr : views_.front();
}

void TEditorScreenStrings::SetChange(int first, int oldCount, int rescanned, int newCount) {
    change_ = {first, oldCount, newCount, rescanned, true};
}

void TEditorScreenStrings::Changed() {
    if (!notifyViews_)
        return;
    for (EditorViewLink* view : views_)
        view->RowListChanged();
    if (UpdateCount() == 0) {
        change_ = {};
        for (EditorViewLink* view : views_)
            view->ClampToRowCount();
    }
}

bool TEditorScreenStrings::FirstViewLoading() const {
    return !views_.empty() && views_.front()->IsLoadingProperties();
}

int TEditorScreenStrings::ScreenRowsAhead() const {
    return views_.empty() ? kDefaultScreenRows : std::max(views_.front()->ScreenRows(), 1);
}

int TEditorScreenStrings::TabWidth() const {
    return views_.empty() ? 8 : views_.front()->TabSpaceCount();
}

const Delimiters& TEditorScreenStrings::DelimiterSet() const {
    return views_.empty() ? DefaultDelimiters() : views_.front()->DelimiterSet();
}

const TEditorViewInfo* TEditorScreenStrings::ScanView() const {
    return views_.empty() ? nullptr : &views_.front()->ViewInfo();
}

// ---- rows --------------------------------------------------------------------

int TEditorScreenStrings::LineFirstRow(int row) const {
    if (row <= 0 || row > Count() || GetRowEndKind(row - 1) != RowEndKind::Wrapped)
        return row;
    // The line starts after the last line-end row before `row`.
    return FirstRowAfterLineEnds(LineEndsBefore(row));
}

int TEditorScreenStrings::LineLastRow(int row) const {
    if (row < 0 || row >= Count() - 1 || GetRowEndKind(row) != RowEndKind::Wrapped)
        return row;
    // The first line-end row after `row`, or the last row.
    return std::min(FirstRowAfterLineEnds(LineEndsBefore(row) + 1) - 1, Count() - 1);
}

RowsTextResult TEditorScreenStrings::RowsText(int first, int n) const {
    RowsTextResult result;
    if (first < 0 || first >= Count())
        return result;
    const int last = n == -1 ? LineLastRow(first) : std::min(first + n - 1, Count() - 1);
    if (last < first)
        return result;
    std::size_t size = static_cast<std::size_t>(ByteStart(last + 1) - ByteStart(first));
    size += 2 * static_cast<std::size_t>(LineEndsBefore(last + 1) - LineEndsBefore(first));
    result.text.reserve(size);
    for (int row = first; row <= last; ++row) {
        result.text.append(RowView(row));
        if (GetRowEndKind(row) == RowEndKind::LineEnd)
            result.text.append(kCrLf);
    }
    result.rowCount = last - first + 1;
    result.lastKind = GetRowEndKind(last);
    return result;
}

void TEditorScreenStrings::DeleteRows(int first, int n) {
    if (first < 0 || first >= Count() || n <= 0)
        return;
    UpdateBlock block(*this);
    DeleteRange(first, std::min(n, Count() - first));
}

void TEditorScreenStrings::InsertRows(int first, TEditorStringList& list) {
    UpdateBlock block(*this);
    InsertRowsFrom(std::clamp(first, 0, Count()), list);
}

void TEditorScreenStrings::OverwriteRows(int first, int n, TEditorStringList& list) {
    UpdateBlock block(*this);
    DeleteRows(first, n);
    InsertRows(first, list);
}

LineFolder& TEditorScreenStrings::Folder() {
    // Compiling the kinsoku sets costs more than folding a typical line, so
    // the folder is kept until the options or the first view's settings change.
    const FolderKey key{wrapOptionGeneration_, TabWidth(), &DelimiterSet()};
    if (!folder_ || !(key == folderKey_)) {
        folder_ = std::make_unique<LineFolder>(*wrapOption_, key.tabWidth, *key.delimiters);
        folderKey_ = key;
    }
    return *folder_;
}

void TEditorScreenStrings::FoldText(std::string_view text, TEditorStringList& list) {
    list.BeginUpdate();
    list.Clear();
    LineFolder* folder = wordWrap_ ? &Folder() : nullptr;
    LineSplitter splitter(false);
    auto onLine = [&](std::string_view line, bool) { AppendLine(list, line, folder); };
    splitter.Feed(text, onLine);
    splitter.Finish(onLine);
    if (list.Count() == 0)
        list.AppendRow({}, static_cast<std::uint32_t>(RowEndKind::LineEnd));
    list.EndUpdate();
}

int TEditorScreenStrings::FoldedRowCount(std::string_view line) {
    if (!wordWrap_)
        return 1;
    return Folder().CountRows(line);
}

void TEditorScreenStrings::ReplaceRows(int first, int n, std::string_view text) {
    if (first < 0 || n < 0 || first + n > Count() || (n == 0 && text.empty()))
        return;
    UpdateBlock block(*this);
    const int last = first + n - 1;
    // The whole logical line is refolded, so that the rows are always those a
    // fresh fold of the text would give, whatever the history of edits.
    int start = LineFirstRow(first);
    if (first == Count() && first > 0 && GetRowEndKind(first - 1) != RowEndKind::LineEnd) {
        // Text added after a last row without a line break continues that line.
        start = LineFirstRow(first - 1);
    }
    int end = LineLastRow(last);

    if (start == first && end == last && text.empty() && n > 0) {
        UndoRecord& record = undoObj_->AddUndoRecord();
        RowsTextResult removed = RowsText(first, n);
        record.firstRow = first;
        record.removedText = std::move(removed.text);
        record.removedKind = removed.lastKind;
        DeleteRows(first, n);
        const int rescanned = PropagateStates(first, true);
        SetChange(first, n, rescanned, 0);
        return;
    }

    RowEndKind kind;
    if (last < end) {
        kind = GetRowEndKind(end);
    } else if (end < Count() - 1) {
        end = LineLastRow(end + 1);
        kind = GetRowEndKind(end);
    } else {
        // A text that ends with a line break (CR or LF) keeps it.
        kind = EndsWithBreak(text) ? RowEndKind::LineEnd : RowEndKind::OpenLast;
    }

    UndoRecord& record = undoObj_->AddUndoRecord();
    const int removedCount = std::max(end - start + 1, 0);
    RowsTextResult removed = RowsText(start, removedCount);
    record.firstRow = start;
    record.removedText = std::move(removed.text);
    record.removedKind = removed.lastKind;

    std::string newText;
    newText.reserve(static_cast<std::size_t>(RowCharIndex(std::min(end + 1, Count())) -
                                             RowCharIndex(std::min(start, Count()))) +
                    text.size());
    for (int row = start; row < first && row < Count(); ++row) {
        newText.append(RowView(row));
        if (GetRowEndKind(row) == RowEndKind::LineEnd)
            newText.append(kCrLf);
    }
    newText.append(text);
    for (int row = last + 1; row <= end; ++row) {
        newText.append(RowView(row));
        if (GetRowEndKind(row) == RowEndKind::LineEnd)
            newText.append(kCrLf);
    }
    // When the rows after the edit were only the empty open row that follows
    // a line filling its rows, the new text ends with the line break typed
    // before it: the text then ends with a line break, and its last row says so.
    if (kind == RowEndKind::OpenLast && EndsWithBreak(newText))
        kind = RowEndKind::LineEnd;
    TEditorStringList folded;
    FoldText(newText, folded);
    folded.SetRowEndKind(folded.Count() - 1, kind);
    record.insertedRows = folded.Count();
    OverwriteRows(start, removedCount, folded);
    const int rescanned = PropagateStates(start, true);
    SetChange(start, removedCount, rescanned, folded.Count());
}

void TEditorScreenStrings::Undo() {
    undoObj_->Undo();
}
void TEditorScreenStrings::Redo() {
    undoObj_->Redo();
}

void TEditorScreenStrings::Clear() {
    for (EditorViewLink* view : views_)
        view->CleanSelection();
    undoObj_->ClearUndo();
    SetChange(0, Count(), 0, 0);
    TEditorStringList::Clear();
    change_ = {};
    for (EditorViewLink* view : views_)
        view->ResetCaret();
}

// ---- positions ---------------------------------------------------------------

int TEditorScreenStrings::LineCount() const {
    const int ends = LineEndsBefore(Count());
    return Count() > 0 && GetRowEndKind(Count() - 1) != RowEndKind::LineEnd ? ends + 1 : ends;
}

int TEditorScreenStrings::LineToRow(int line) const {
    const int count = LineCount();
    if (line < 0 || line > count)
        throw ListIndexError(line);
    if (line == 0)
        return 0;
    if (line == count)
        return Count();
    return FirstRowAfterLineEnds(line);
}

} // namespace mojiro
