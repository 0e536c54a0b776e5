// Selection of TCustomEditor: the anchor and the active selection in stream
// and box form, the selected text and its measures in character indexes, the
// token under a point, and the remainder that edits over a selection write
// back. Character indexes come from the row list's running sums, so nothing
// here walks the document from its first row.
#include "editor/CustomEditor.h"
#include "editor/EditorScreen.h"

#include <algorithm>

namespace mojiro {

namespace {

constexpr const char* kCrLf = "\r\n";

// A row's bytes without a copy; empty for a row outside the list (the
// virtual row after the last one). Valid until the text next changes.
std::string_view BytesOfRow(const TEditorScreenStrings& rows, int row) {
    return row >= 0 && row < rows.Count() ? rows.RowView(row) : std::string_view{};
}

// The character index of a row's start; rows past the end start at the end
// of the text (a selection of the other view of a split document may still
// name rows that an edit there removed).
std::ptrdiff_t RowStart(const TEditorScreenStrings& rows, int row) {
    return rows.RowCharIndex(std::clamp(row, 0, rows.Count()));
}

RowEndKind RowKind(const TEditorScreenStrings& rows, int row) {
    return row >= 0 && row < rows.Count() ? rows.GetRowEndKind(row) : RowEndKind::OpenLast;
}

// The byte offset of a display column, clipped to the row's text: where a
// selection end or the caret stands in the bytes.
int ClippedOffset(const TCustomEditor& editor, int row, int col) {
    const auto length = static_cast<int>(BytesOfRow(editor.ListInfo(), row).size());
    return std::min(length, editor.ColToOffset(row, col));
}

// The class of a 0-based display column, or NUL beyond the row.
char ClassAt(const std::string& classes, int col) {
    return col >= 0 && col < static_cast<int>(classes.size()) ? classes[col] : '\0';
}

// The 1-based byte index of a 1-based display column: the column less the tab
// fill columns up to it. Columns beyond the row count as one byte each, which
// is where padding with spaces would put them.
int ByteIndexOfColumn(const std::string& classes, int column) {
    const auto upTo =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(column, 0)), classes.size());
    return column - static_cast<int>(std::count(classes.begin(),
                                                classes.begin() + static_cast<std::ptrdiff_t>(upTo),
                                                kClassTabFill));
}

// Repaints document rows first..last (in either order) as far as they are on
// the screen; the partly shown row at the bottom counts as shown.
void InvalidateVisible(EditorHost& host, int topRow, int pageRows, int first, int last) {
    if (first > last)
        std::swap(first, last);
    first = std::max(first, topRow);
    last = std::min(last, topRow + pageRows);
    if (first <= last)
        host.InvalidateRows(first, last);
}

bool IsEmpty(const TCustomEditor::DisplaySelection& s) {
    return s.startRow == s.endRow && s.startCol == s.endCol;
}

// Restores a flag however the scope is left.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : flag_(flag), saved_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

// A caret update pair that is closed however the scope is left.
class CaretUpdateScope {
public:
    explicit CaretUpdateScope(TCustomEditor& editor) : editor_(editor) {
        editor_.CaretBeginUpdate();
    }
    ~CaretUpdateScope() { editor_.CaretEndUpdate(); }
    CaretUpdateScope(const CaretUpdateScope&) = delete;
    CaretUpdateScope& operator=(const CaretUpdateScope&) = delete;

private:
    TCustomEditor& editor_;
};

// The scanner token under a point, located in its logical line.
struct LineToken {
    bool found = false;
    int firstRow = 0;       // first row of the logical line
    std::size_t offset = 0; // token start in the line's bytes
    std::string text;
    TokenKind kind = TokenKind::tkEnd;
};

// Scans the whole logical line under the point, so that a token folded over
// two rows is found whole from either row.
LineToken FindLineToken(const TCustomEditor& editor, int x, int y, bool withView) {
    const TEditorScreenStrings& rows = editor.ListInfo();
    const RowOffset at = editor.PosToRowOffset(x, y);
    if (at.row < 0 || at.row >= rows.Count() || at.offset < 0)
        return {};
    const int first = rows.LineFirstRow(at.row);
    const int last = rows.LineLastRow(at.row);
    const std::string_view line = rows.Span(first, last + 1);
    const auto offset =
        static_cast<std::size_t>(rows.ByteStart(at.row) - rows.ByteStart(first) + at.offset);
    TEditorParser parser(line, withView ? rows.ScannerState(first) : kStateOutside,
                         withView ? &editor.View() : nullptr);
    for (; parser.Token() != TokenKind::tkEnd; parser.NextToken()) {
        const std::size_t start = parser.TokenOffset();
        if (offset < start)
            break; // the point is on blanks between tokens
        if (offset < start + parser.TokenText().size())
            return {true, first, start, std::string(parser.TokenText()), parser.Token()};
    }
    return {};
}

} // namespace

// ---- measures ----------------------------------------------------------------

std::ptrdiff_t TCustomEditor::SelStart() const {
    if (Selected())
        return RowStart(*rows_, byteSel_.startRow) + byteSel_.startOffset;
    return RowStart(*rows_, row_) + ClippedOffset(*this, row_, col_);
}

std::ptrdiff_t TCustomEditor::SelLength() const {
    if (!Selected())
        return 0;
    if (selectionMode_ == TEditorSelectionMode::smBox) {
        std::ptrdiff_t length = 0;
        for (int row = displaySel_.startRow; row <= displaySel_.endRow; ++row) {
            int first = 0;
            int last = 0;
            BoxPart(row, displaySel_.startCol, displaySel_.endCol, first, last);
            length += std::max(0, last - first + 1) + 2;
        }
        return length;
    }
    // The rows between the ends count whole with their line breaks, which is
    // the difference of the ends' character indexes.
    const std::ptrdiff_t start = RowStart(*rows_, byteSel_.startRow) + byteSel_.startOffset;
    const std::ptrdiff_t end = RowStart(*rows_, byteSel_.endRow) + byteSel_.endOffset + 1;
    return std::max<std::ptrdiff_t>(0, end - start);
}

std::string TCustomEditor::SelText() const {
    std::string text;
    if (!Selected())
        return text;
    if (selectionMode_ == TEditorSelectionMode::smBox) {
        for (int row = displaySel_.startRow; row <= displaySel_.endRow; ++row) {
            int first = 0;
            int last = 0;
            BoxPart(row, displaySel_.startCol, displaySel_.endCol, first, last);
            if (last >= first)
                text.append(BytesOfRow(*rows_, row).substr(first - 1, last - first + 1));
            text.append(kCrLf);
        }
        return text;
    }
    text.reserve(static_cast<std::size_t>(SelLength()));
    for (int row = byteSel_.startRow; row <= byteSel_.endRow && row < RowCount(); ++row) {
        std::string_view bytes = rows_->RowView(row);
        if (row == byteSel_.endRow)
            bytes = bytes.substr(0, static_cast<std::size_t>(std::max(byteSel_.endOffset + 1, 0)));
        if (row == byteSel_.startRow)
            bytes = bytes.substr(std::min<std::size_t>(byteSel_.startOffset, bytes.size()));
        text.append(bytes);
        if (row != byteSel_.endRow && rows_->GetRowEndKind(row) == RowEndKind::LineEnd)
            text.append(kCrLf);
    }
    return text;
}

void TCustomEditor::BoxPart(int row, int startCol, int endCol, int& first, int& last) const {
    const std::string_view bytes = BytesOfRow(*rows_, row);
    const std::string classes = ColumnClassesOf(bytes);
    // Columns here are 1-based: column j is classes[j - 1].
    int column = startCol + 1;
    if (ClassAt(classes, column - 1) == kClassTrail)
        ++column; // a double-byte character cut by the left edge stays outside
    else
        while (ClassAt(classes, column - 1) == kClassTabFill)
            ++column; // so does a tab cut by the left edge
    first = ByteIndexOfColumn(classes, column);

    column = endCol;
    int extra = 0;
    if (ClassAt(classes, column - 1) == kClassLead)
        extra = 1; // a double-byte character cut by the right edge comes inside
    else
        while (ClassAt(classes, column - 1) == kClassTabFill)
            --column; // so does a tab cut by the right edge
    last = std::min(ByteIndexOfColumn(classes, column) + extra, static_cast<int>(bytes.size()));
}

// ---- placing the selection ------------------------------------------------------

void TCustomEditor::SetSelStart(std::ptrdiff_t index) {
    if (Selected())
        CleanSelection();
    if (RowCount() == 0)
        return;
    if (index <= 0) {
        SetRow(0);
        SetCol(0);
        return;
    }
    // Past the end every index lands at the end of the text.
    SetCaretByCharIndex(0, std::min(index, TextLength()));
}

void TCustomEditor::SetSelLength(std::ptrdiff_t length) {
    if (RowCount() == 0)
        return;
    if (selectionMode_ == TEditorSelectionMode::smBox)
        SetSelectionMode(TEditorSelectionMode::smStream);
    if (length <= 0) {
        if (Selected()) {
            SetRow(displaySel_.startRow);
            SetCol(displaySel_.startCol);
            CleanSelection();
        }
        return;
    }
    {
        // One caret refresh at the end instead of one per step.
        FlagScope suppress(suppressCaretUpdate_, true);
        if (Selected()) {
            SetRow(displaySel_.startRow);
            SetCol(displaySel_.startCol);
        }
        StartSelection();
        const int offset = ClippedOffset(*this, row_, col_);
        const std::ptrdiff_t left = TextLength() - (RowStart(*rows_, row_) + offset);
        SetCaretByCharIndex(row_, offset + std::min(length, std::max<std::ptrdiff_t>(left, 0)));
    }
    UpdateCaret();
    ExtendSelection();
}

void TCustomEditor::SelectAll() {
    CaretUpdateScope update(*this);
    SetSelStart(0);
    SetSelLength(TextLength());
}

void TCustomEditor::SetSelectionMode(TEditorSelectionMode mode) {
    if (mode == selectionMode_ || Dragging())
        return;
    selectionMode_ = mode;
    if (Selected()) {
        if (mode == TEditorSelectionMode::smBox)
            host_.SetMouseCursor(caret_.Cursors().DefaultCursor());
        UpdateSelection();
        previousDisplaySel_ = displaySel_;
        host_.InvalidateAll();
    }
    DoSelectionModeChange();
}

// ---- anchor, extension, clearing ------------------------------------------------

void TCustomEditor::StartSelection() {
    if (Selected())
        CleanSelection();
    if (RowCount() == 0)
        return;
    selectionState_ = 1;
    anchorRow_ = row_;
    anchorOffset_ = ClippedOffset(*this, row_, col_);
    anchorCol_ = selectionMode_ == TEditorSelectionMode::smBox
                     ? col_
                     : std::min(col_, ExpandedRowLength(row_));
    // Empty at the anchor: the inclusive byte range ends before it starts.
    byteSel_ = {anchorRow_, anchorRow_, anchorOffset_, anchorOffset_ - 1};
    displaySel_ = {anchorRow_, anchorRow_, anchorCol_, anchorCol_};
    previousDisplaySel_ = displaySel_;
}

void TCustomEditor::ExtendSelection() {
    if (selectionState_ == 0)
        return;
    if (selectionState_ == 1) {
        // No caret-row underline under a selection; CleanSelection shows it again.
        HideUnderline();
        selectionState_ = 2;
    }
    UpdateSelection();
    RepaintSelectionChange(previousDisplaySel_);
    previousDisplaySel_ = displaySel_;
    DoSelectionChange(true);
}

void TCustomEditor::UpdateSelection() {
    const int caretOffset = ClippedOffset(*this, row_, col_);
    const bool anchorFirst =
        anchorRow_ < row_ || (anchorRow_ == row_ && anchorOffset_ < caretOffset);
    if (anchorFirst)
        byteSel_ = {anchorRow_, row_, anchorOffset_, caretOffset - 1};
    else
        byteSel_ = {row_, anchorRow_, caretOffset, anchorOffset_ - 1};

    displaySel_.startRow = std::min(anchorRow_, row_);
    displaySel_.endRow = std::max(anchorRow_, row_);
    if (selectionMode_ == TEditorSelectionMode::smBox) {
        // A box may reach into the empty space right of the text.
        displaySel_.startCol = std::min(anchorCol_, col_);
        displaySel_.endCol = std::max(anchorCol_, col_);
        return;
    }
    const int anchorCol = std::min(anchorCol_, ExpandedRowLength(anchorRow_));
    const int caretCol = std::min(col_, ExpandedRowLength(row_));
    if (anchorRow_ == row_) {
        displaySel_.startCol = std::min(anchorCol, caretCol);
        displaySel_.endCol = std::max(anchorCol, caretCol);
    } else if (anchorRow_ < row_) {
        displaySel_.startCol = anchorCol;
        displaySel_.endCol = caretCol;
    } else {
        displaySel_.startCol = caretCol;
        displaySel_.endCol = anchorCol;
    }
}

void TCustomEditor::RepaintSelectionChange(const DisplaySelection& before) {
    if (!host_.HasWindow())
        return;
    // Only the cells whose highlight changed; the partly shown row at the
    // bottom counts as shown.
    const std::vector<CellSpan> spans =
        SelectionRepaintSpans(before, displaySel_, selectionMode_ == TEditorSelectionMode::smBox,
                              topRow_, topRow_ + pageRows_);
    for (const CellSpan& span : spans)
        InvalidateSpan(span.row, span.startCol, span.endCol);
}

void TCustomEditor::CleanSelection() {
    if (!Selected())
        return;
    // The state is dropped even without a window: a hidden control must not
    // keep a selection that the next edit would replace.
    selectionState_ = 0;
    if (host_.HasWindow() && !IsEmpty(displaySel_))
        InvalidateVisible(host_, topRow_, pageRows_, displaySel_.startRow - 1,
                          displaySel_.endRow + 1);
    ShowUnderline();
    remembered_ = false;
    DoSelectionChange(false);
}

// ---- tests of places ----------------------------------------------------------------

bool TCustomEditor::PosInSelection(int row, int col) const {
    if (!Selected() || row < displaySel_.startRow || row > displaySel_.endRow)
        return false;
    if (selectionMode_ == TEditorSelectionMode::smBox) {
        // The box's columns widened or narrowed to whole characters as its
        // box part takes them: cut on the left stays out, cut on the right comes in.
        const std::string classes = ColumnClassesOf(BytesOfRow(*rows_, row));
        auto insideChar = [&](int c) {
            const char cls = ClassAt(classes, c);
            return cls == kClassTrail || cls == kClassTabFill;
        };
        int start = displaySel_.startCol;
        while (insideChar(start))
            ++start;
        int end = displaySel_.endCol;
        while (insideChar(end))
            ++end;
        return col >= start && col < end;
    }
    if (row == displaySel_.startRow && col < displaySel_.startCol)
        return false;
    return !(row == displaySel_.endRow && col >= displaySel_.endCol);
}

// ---- the remainder ---------------------------------------------------------------------

RemainderList TCustomEditor::SelectionRemainder() const {
    RemainderList list;
    if (!Selected())
        return list;
    if (selectionMode_ == TEditorSelectionMode::smBox) {
        for (int row = displaySel_.startRow; row <= displaySel_.endRow; ++row) {
            const std::string_view bytes = BytesOfRow(*rows_, row);
            int first = 0;
            int last = 0;
            BoxPart(row, displaySel_.startCol, displaySel_.endCol, first, last);
            RemainderEntry entry{std::string(bytes), RowKind(*rows_, row), first};
            if (last >= first)
                entry.text.erase(static_cast<std::size_t>(first - 1),
                                 static_cast<std::size_t>(last - first + 1));
            list.push_back(std::move(entry));
        }
        return list;
    }
    const std::string_view startBytes = BytesOfRow(*rows_, byteSel_.startRow);
    const std::string_view endBytes = BytesOfRow(*rows_, byteSel_.endRow);
    const auto startOffset = std::min<std::size_t>(byteSel_.startOffset, startBytes.size());
    const auto endNext =
        std::min<std::size_t>(static_cast<std::size_t>(byteSel_.endOffset + 1), endBytes.size());
    RemainderEntry entry{std::string(startBytes.substr(0, startOffset)),
                         RowKind(*rows_, byteSel_.endRow), byteSel_.startOffset + 1};
    entry.text.append(endBytes.substr(endNext));
    list.push_back(std::move(entry));
    return list;
}

std::string TCustomEditor::RemainderText(const RemainderList& list) {
    std::string text;
    for (const RemainderEntry& entry : list) {
        text.append(entry.text);
        if (entry.kind == RowEndKind::LineEnd)
            text.append(kCrLf);
    }
    return text;
}

// ---- tokens ------------------------------------------------------------------------------

TokenAtPosResult TCustomEditor::TokenAtPos(int x, int y, bool withView) const {
    LineToken token = FindLineToken(*this, x, y, withView);
    return {std::move(token.text), token.kind};
}

void TCustomEditor::SelectTokenAtPos(int x, int y, bool withView) {
    const LineToken token = FindLineToken(*this, x, y, withView);
    if (!token.found)
        return;
    // An active selection would pull the new one back to its own start.
    if (Selected())
        CleanSelection();
    SetCaretByCharIndex(token.firstRow, static_cast<std::ptrdiff_t>(token.offset));
    SetSelLength(static_cast<std::ptrdiff_t>(token.text.size()));
}

} // namespace mojiro
