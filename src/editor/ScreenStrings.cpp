#include "editor/ScreenStrings.h"

#include "editor/EditorParser.h"
#include "editor/EditorViewInfo.h"
#include "editor/LineFolder.h"
#include "editor/LineSplitter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mojiro {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// Screen rows assumed when no view tells how tall its screen is.
constexpr int kDefaultScreenRows = 64;

// Appends the rows of one logical line to `list`: one line-end row when
// folding is off, else the folded rows.
void AppendLine(TEditorStringList& list, std::string_view line, LineFolder* folder,
                std::vector<FoldedRow>& scratch) {
    if (folder == nullptr) {
        list.AppendRow(line, static_cast<std::uint32_t>(RowEndKind::LineEnd));
        return;
    }
    scratch.clear();
    folder->Fold(line, scratch);
    for (const FoldedRow& row : scratch)
        list.AppendRow(line.substr(row.from, row.to - row.from),
                       static_cast<std::uint32_t>(row.kind));
}

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
    std::vector<FoldedRow>& scratch = foldScratch_;
    LineFolder* folder = wordWrap_ ? &Folder() : nullptr;
    LineSplitter splitter(false);
    auto onLine = [&](std::string_view line, bool) { AppendLine(list, line, folder, scratch); };
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

// ---- whole text ------------------------------------------------------------

std::string TEditorScreenStrings::Text() const {
    std::string text;
    text.reserve(static_cast<std::size_t>(TextLength()));
    WriteText([&text](std::string_view piece) { text.append(piece); });
    return text;
}

void TEditorScreenStrings::WriteText(const std::function<void(std::string_view)>& sink) const {
    for (int row = 0; row < Count(); ++row) {
        sink(RowView(row));
        if (GetRowEndKind(row) == RowEndKind::LineEnd)
            sink(kCrLf);
    }
}

void TEditorScreenStrings::ReplaceContents(TEditorStringList& rows) {
    {
        UpdateBlock block(*this);
        Clear();
        SwapContents(rows);
    }
    RecomputeStates();
    for (EditorViewLink* view : views_)
        view->RowListRefolded();
}

void TEditorScreenStrings::SetText(std::string_view text) {
    // Every line, the last included, becomes a line-end row.
    TEditorStringList rows;
    ReserveFor(rows, static_cast<std::ptrdiff_t>(text.size()));
    std::vector<FoldedRow> scratch;
    LineFolder* folder = wordWrap_ && !FirstViewLoading() ? &Folder() : nullptr;
    LineSplitter splitter(false);
    auto onLine = [&](std::string_view line, bool) { AppendLine(rows, line, folder, scratch); };
    splitter.Feed(text, onLine);
    splitter.Finish(onLine);
    ReplaceContents(rows);
}

namespace {

// Builds the rows of a file's bytes, which may arrive in pieces.
class RowBuilder {
public:
    RowBuilder(TEditorStringList& rows, LineFolder* folder)
        : rows_(rows), folder_(folder), splitter_(true) {}

    void Feed(std::string_view piece) {
        splitter_.Feed(piece, [this](std::string_view line, bool) {
            AppendLine(rows_, line, folder_, scratch_);
        });
    }
    void Finish() {
        bool open = false;
        splitter_.Finish([this, &open](std::string_view line, bool) {
            AppendLine(rows_, line, folder_, scratch_);
            open = true;
        });
        // A last line without a line break ends with an open last row.
        if (open)
            rows_.SetRowEndKind(rows_.Count() - 1, RowEndKind::OpenLast);
    }
    [[nodiscard]] bool Stopped() const { return splitter_.Stopped(); }

private:
    TEditorStringList& rows_;
    LineFolder* folder_;
    LineSplitter splitter_;
    std::vector<FoldedRow> scratch_;
};

std::string ErrorText(int error) {
    return std::strerror(error);
}

} // namespace

void TEditorScreenStrings::ReserveFor(TEditorStringList& rows, std::ptrdiff_t bytes) const {
    // Folded rows hold a little less than WrapByte bytes on average, so this
    // sizes the row arrays once for typical text; it is only a hint.
    const std::ptrdiff_t perRow = wordWrap_ ? std::max(wrapOption_->WrapByte() * 4 / 5, 1) : 64;
    rows.Reserve(static_cast<int>(std::min<std::ptrdiff_t>(bytes / perRow + 16, INT_MAX)), bytes);
}

void TEditorScreenStrings::LoadFromBytes(std::string_view bytes) {
    TEditorStringList rows;
    ReserveFor(rows, static_cast<std::ptrdiff_t>(bytes.size()));
    RowBuilder builder(rows, wordWrap_ && !FirstViewLoading() ? &Folder() : nullptr);
    builder.Feed(bytes);
    builder.Finish();
    ReplaceContents(rows);
}

void TEditorScreenStrings::LoadFromFile(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("Cannot open file \"" + fileName + "\". " + ErrorText(errno));
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    TEditorStringList rows;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        ReserveFor(rows, info.st_size);
    RowBuilder builder(rows, wordWrap_ && !FirstViewLoading() ? &Folder() : nullptr);
    std::string buffer(1 << 20, '\0');
    while (!builder.Stopped()) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError("Cannot read file \"" + fileName + "\". " + ErrorText(errno));
        }
        if (got == 0)
            break;
        builder.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    }
    builder.Finish();
    ReplaceContents(rows);
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

// ---- folding the whole document ------------------------------------------------

void TEditorScreenStrings::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    if (FirstViewLoading())
        return;
    undoObj_->ClearUndo();
    if (wordWrap_)
        FullRefold();
    else
        Unfold();
    AfterRefold();
}

void TEditorScreenStrings::WrapOptionChanged() {
    if (FirstViewLoading() || !wordWrap_)
        return;
    undoObj_->ClearUndo();
    refolding_ = true;
    struct ResetFlag {
        bool& flag;
        ~ResetFlag() { flag = false; }
    } reset{refolding_};
    FullRefold();
    AfterRefold();
}

void TEditorScreenStrings::AfterRefold() {
    RecomputeStates();
    for (EditorViewLink* view : views_)
        view->RowListRefolded();
}

void TEditorScreenStrings::FullRefold() {
    if (Count() == 0 || FirstViewLoading())
        return;
    for (EditorViewLink* view : views_)
        view->CleanSelection();
    // The new rows are built beside the old ones and then swapped in, so a
    // mix of growing and shrinking lines cannot overwrite unread rows.
    TEditorStringList rows;
    ReserveFor(rows, ByteStart(Count()));
    LineFolder& folder = Folder();
    std::vector<FoldedRow> scratch;
    const RowEndKind lastKind = GetRowEndKind(Count() - 1);
    for (int first = 0; first < Count();) {
        int last = first;
        while (last < Count() - 1 && GetRowEndKind(last) == RowEndKind::Wrapped)
            ++last;
        AppendLine(rows, Span(first, last + 1), &folder, scratch);
        first = last + 1;
    }
    rows.SetRowEndKind(rows.Count() - 1, lastKind);
    notifyViews_ = false;
    struct Restore {
        bool& flag;
        ~Restore() { flag = true; }
    } restore{notifyViews_};
    UpdateBlock block(*this);
    SwapContents(rows);
}

void TEditorScreenStrings::Unfold() {
    if (Count() == 0)
        return;
    for (EditorViewLink* view : views_)
        view->CleanSelection();
    TEditorStringList rows;
    rows.Reserve(Count(), ByteStart(Count()));
    RowEndKind lastKind = GetRowEndKind(Count() - 1);
    if (lastKind == RowEndKind::Wrapped)
        lastKind = RowEndKind::OpenLast;
    for (int first = 0; first < Count();) {
        int last = first;
        while (last < Count() - 1 && GetRowEndKind(last) == RowEndKind::Wrapped)
            ++last;
        rows.AppendRow(Span(first, last + 1), static_cast<std::uint32_t>(RowEndKind::LineEnd));
        first = last + 1;
    }
    rows.SetRowEndKind(rows.Count() - 1, lastKind);
    notifyViews_ = false;
    struct Restore {
        bool& flag;
        ~Restore() { flag = true; }
    } restore{notifyViews_};
    UpdateBlock block(*this);
    SwapContents(rows);
}

// ---- scanner states --------------------------------------------------------------

int TEditorScreenStrings::StateAfter(int row, int state) const {
    const TEditorViewInfo* view = ScanView();
    // Only enclosing pairs change the state.
    if (view == nullptr || view->Brackets().Count() == 0)
        return state;
    std::string_view text = RowView(row);
    if (wordWrap_ && row < Count() - 1 && GetRowEndKind(row) == RowEndKind::Wrapped) {
        // A token cut by the fold is scanned whole: take the next row's first
        // token (or the blanks before it) along.
        const std::string_view joined = Span(row, row + 2);
        const std::string_view next = joined.substr(text.size());
        TEditorParser parser(next, kStateOutside, view);
        std::size_t take = parser.TokenOffset();
        if (parser.Token() != TokenKind::tkEnd && take == 0) {
            parser.NextToken();
            take = parser.TokenOffset();
        }
        text = joined.substr(0, text.size() + std::min(take, next.size()));
    }
    if (text.empty())
        return state;
    TEditorParser parser(text, state, view);
    int result = state;
    while (parser.Token() != TokenKind::tkEnd) {
        result = parser.State();
        parser.NextToken();
    }
    return result;
}

void TEditorScreenStrings::RecomputeStates() {
    if (FirstViewLoading())
        return;
    const TEditorViewInfo* view = ScanView();
    const bool pairs = view != nullptr && view->Brackets().Count() > 0;
    for (int row = 0; row < Count(); ++row)
        SetScannerState(row, pairs ? kStateUncomputed : kStateOutside);
    if (!pairs)
        return;
    const EditorViewLink* focused = FocusedView();
    const int last =
        std::min(Count() - 1, 2 * ScreenRowsAhead() + (focused ? focused->TopRow() : 0));
    int state = kStateOutside;
    for (int row = 0; row <= last; ++row) {
        SetScannerState(row, state);
        state = StateAfter(row, state);
    }
}

int TEditorScreenStrings::PropagateStates(int from, bool notify) {
    if (from < 0 || from >= Count())
        return 0;
    int known = from - 1;
    while (known >= 0 && ScannerState(known) == kStateUncomputed)
        --known;
    int state = kStateOutside;
    int row = 0;
    if (known >= 0) {
        state = StateAfter(known, ScannerState(known));
        row = known + 1;
    }
    const int limit = std::min(from + 2 * ScreenRowsAhead(), Count() - 1);
    int count = 0;
    for (; row <= limit; ++row) {
        if (ScannerState(row) == state)
            return count;
        SetScannerState(row, state);
        if (notify) {
            for (EditorViewLink* view : views_)
                view->RepaintRow(row);
            ++count;
        }
        state = StateAfter(row, state);
    }
    // States are only ever computed forward from a known row, so the computed
    // rows after `limit` end at the first uncomputed one.
    for (row = limit + 1; row < Count() && ScannerState(row) != kStateUncomputed; ++row)
        SetScannerState(row, kStateUncomputed);
    return count;
}

} // namespace mojiro
