// Editing: every change of the text made through the view. Each operation
// builds the new text of a run of rows, hands it to the row list in one
// ReplaceRows (one undo step) and then places the caret by a character index
// counted from a row the change cannot have moved.
#include "editor/CustomEditor.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mojiro {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Runs a clean-up however the scope is left, so a failing replacement still
// restores the caret hide count and the underline.
template <typename F> class Finally {
public:
    explicit Finally(F f) : f_(std::move(f)) {}
    ~Finally() { f_(); }
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;

private:
    F f_;
};

std::string Spaces(std::ptrdiff_t n) {
    return std::string(static_cast<std::size_t>(std::max<std::ptrdiff_t>(n, 0)), ' ');
}

// The row list stores every line break as CR LF; inserted text is given the
// same breaks so that its length is the length the caret has to travel.
std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out.append(kCrLf);
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// The lines of box text: a final line break adds no empty line.
std::vector<std::string_view> SplitBoxLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Byte index where the last character of a row begins (a double-byte
// character and a tab are single characters).
std::size_t LastCharStart(std::string_view text) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        last = i;
    return last;
}

// Width of the blanks a tab-expanded row begins with: a space counts 1, a
// full-width space 2; an empty row counts -1.
int LeadingBlankWidth(std::string_view expanded) {
    if (expanded.empty())
        return -1;
    int width = 0;
    std::size_t i = 0;
    while (i < expanded.size()) {
        if (expanded[i] == ' ') {
            width += 1;
            i += 1;
        } else if (i + 1 < expanded.size() && expanded[i] == '\x81' && expanded[i + 1] == '\x40') {
            width += 2; // full-width space
            i += 2;
        } else {
            break;
        }
    }
    return width;
}

// Inserts `s` into an entry at its insertion index, padding a short entry
// with spaces up to there (a box may reach past the end of a row).
void InsertIntoEntry(RemainderEntry& entry, std::string_view s) {
    const auto at = static_cast<std::size_t>(std::max(entry.insertIndex - 1, 0));
    if (at > entry.text.size())
        entry.text.append(at - entry.text.size(), ' ');
    entry.text.insert(at, s);
}

// The row count handed to ReplaceRows for rows start..end: rows past the
// last one (the virtual row) are not replaced but appended to.
int RowsToReplace(int start, int end, int rowCount) {
    if (start >= rowCount || end < start)
        return 0;
    return std::min(end, rowCount - 1) - start + 1;
}

// One replacement of rows and where the caret goes after it.
struct RowEdit {
    int startRow = 0;
    int count = 0;
    std::string text;
    int firstRow = 0; // the caret index counts from this row
    std::ptrdiff_t caretIndex = 0;
};

// The selection replaced by s: s goes into the first entry of the remainder
// (a box is deleted and s lands in its top row). `firstRow` is the row the
// caret index counts from. False when there is nothing to replace.
bool SelectionReplacement(const TCustomEditor& e, std::string_view s, int firstRow, RowEdit& edit) {
    RemainderList list = e.SelectionRemainder();
    if (list.empty())
        return false;
    const int startRow = e.SelectionBytes().startRow;
    edit.startRow = startRow;
    edit.count = RowsToReplace(startRow, e.SelectionBytes().endRow, e.RowCount());
    edit.firstRow = firstRow;
    InsertIntoEntry(list.front(), s);
    // The insertion index is where the display selection starts in bytes; it
    // also covers a box whose left edge cuts a character that stays outside.
    edit.caretIndex = e.RowColToCharIndex(firstRow, e.SelectionDisplay().startRow, 0) +
                      list.front().insertIndex - 1 + static_cast<std::ptrdiff_t>(s.size());
    edit.text = TCustomEditor::RemainderText(list);
    return true;
}

// A row's text, line break included, without n bytes at `at`.
std::string RowWithout(const TCustomEditor& e, int row, std::size_t at, std::size_t n) {
    std::string text = e.RowString(row);
    text.erase(at, n);
    if (e.GetRowEndKind(row) == RowEndKind::LineEnd)
        text.append(kCrLf);
    return text;
}

} // namespace

int TCustomEditor::CaretTargetFirstRow(int row) const {
    // ReplaceRows refolds the whole logical line from its first row, so only
    // the rows before that row are sure to keep their text: with kinsoku and
    // word breaks an edit may pull text between any two rows of the line.
    // Counting the caret index from the line's first row is therefore exact
    // in every case, and the running sums make it cost no more than counting
    // from the row above.
    return rows_->LineFirstRow(row);
}

void TCustomEditor::ReplaceAndPlace(int startRow, int count, const std::string& text, int firstRow,
                                    std::ptrdiff_t caretIndex) {
    CaretBeginUpdate();
    Finally endUpdate([this] { CaretEndUpdate(); });
    rows_->ReplaceRows(startRow, count, text);
    SetCaretByCharIndex(firstRow, caretIndex);
}

void TCustomEditor::DeleteSelection() {
    if (!Selected() || !host_.HasWindow())
        return;
    const DisplaySelection sel = displaySel_;
    const int startRow = byteSel_.startRow;
    const int endRow = std::min(byteSel_.endRow, RowCount() - 1);
    const int firstRow = CaretTargetFirstRow(sel.startRow);
    const RemainderList remainder = SelectionRemainder();
    const std::string text = RemainderText(remainder);
    std::ptrdiff_t index;
    if (selectionMode_ == TEditorSelectionMode::smBox && !remainder.empty()) {
        // A box may start beyond the text of its top row; the caret index then
        // stops at the row's end and the column is restored below, so the caret
        // stands at the box's top-left place rather than on a later row.
        const std::ptrdiff_t inRow =
            std::min<std::ptrdiff_t>(remainder.front().insertIndex - 1,
                                     static_cast<std::ptrdiff_t>(remainder.front().text.size()));
        index = RowColToCharIndex(firstRow, sel.startRow, 0) + inRow;
    } else {
        index = RowColToCharIndex(firstRow, sel.startRow, sel.startCol);
    }

    const bool severalRows = byteSel_.endRow > byteSel_.startRow;
    if (severalRows) {
        CaretBeginUpdate();
        HideUnderline();
    }
    Finally restore([this, severalRows] {
        if (severalRows) {
            ShowUnderline();
            CaretEndUpdate();
        }
    });
    CleanSelection();
    ReplaceAndPlace(startRow, RowsToReplace(startRow, endRow, RowCount()), text, firstRow, index);
    if (selectionMode_ == TEditorSelectionMode::smBox && row_ == sel.startRow &&
        col_ < sel.startCol)
        SetCol(sel.startCol);
}

namespace {

// A row's text with s put in at byte offset o; a free caret beyond the text
// is filled with spaces first.
std::string RowWithInsertion(const std::string& t, std::ptrdiff_t o, const std::string& s) {
    const auto length = static_cast<std::ptrdiff_t>(t.size());
    if (o > length)
        return t + Spaces(o - length) + s;
    std::string text = t;
    text.insert(static_cast<std::size_t>(o), s);
    return text;
}

// Completes an edit at the caret that replaces rows Row..lastRow: the last
// row's line break, the rows to replace and the caret's place after the
// inserted bytes, counted from `firstRow`.
void FinishCaretEdit(const TCustomEditor& e, RowEdit& edit, int lastRow, std::size_t inserted,
                     int firstRow) {
    if (lastRow < e.RowCount() && e.GetRowEndKind(lastRow) == RowEndKind::LineEnd)
        edit.text.append(kCrLf);
    edit.startRow = e.Row();
    edit.count = RowsToReplace(e.Row(), lastRow, e.RowCount());
    edit.firstRow = firstRow;
    edit.caretIndex =
        e.RowColToCharIndex(firstRow, e.Row(), e.Col()) + static_cast<std::ptrdiff_t>(inserted);
}

} // namespace

void TCustomEditor::InsertText(std::string_view typed) {
    if (typed.empty())
        return;
    const std::string s = WithCrLf(typed);
    RowEdit edit;
    const bool selected = Selected();
    if (selected) {
        if (!SelectionReplacement(*this, s, CaretTargetFirstRow(displaySel_.startRow), edit))
            return;
    } else {
        const std::string t = RowString(row_);
        const auto length = static_cast<std::ptrdiff_t>(t.size());
        const std::ptrdiff_t o = ColToOffset(row_, col_);
        int lastRow = row_;
        if (o > length || !overwrite_) {
            edit.text = RowWithInsertion(t, o, s);
        } else {
            // s covers as many display columns as it has bytes; on a wrapped
            // row the span runs on into the following rows of the line.
            std::string rest;
            int r = row_;
            std::ptrdiff_t col = col_;
            auto remaining = static_cast<std::ptrdiff_t>(s.size());
            for (;;) {
                const std::string rowText = r == row_ ? t : RowString(r);
                const std::string classes = ColumnClassesOf(rowText);
                const auto width = static_cast<std::ptrdiff_t>(classes.size());
                const std::ptrdiff_t end = col + remaining;
                if (end < width) {
                    const auto off =
                        static_cast<std::size_t>(ColToOffset(r, static_cast<int>(end)));
                    // A double-byte character losing its first half leaves a
                    // space for its second.
                    if (classes[static_cast<std::size_t>(end)] == kClassTrail)
                        rest = " " + rowText.substr(off + 1);
                    else
                        rest = rowText.substr(off);
                    break;
                }
                if (end == width || GetRowEndKind(r) != RowEndKind::Wrapped || r + 1 >= RowCount())
                    break;
                remaining = end - width;
                col = 0;
                lastRow = ++r;
            }
            edit.text = t.substr(0, static_cast<std::size_t>(o)) + s + rest;
        }
        FinishCaretEdit(*this, edit, lastRow, s.size(), CaretTargetFirstRow(row_));
    }
    if (selected)
        CleanSelection();
    ReplaceAndPlace(edit.startRow, edit.count, edit.text, edit.firstRow, edit.caretIndex);
}

bool TCustomEditor::TakesNoText(std::string_view text) {
    if (readOnly_)
        return true;
    if (!text.empty())
        return false;
    if (Selected())
        DeleteSelection();
    return true;
}

void TCustomEditor::SetSelTextBuf(std::string_view given) {
    if (TakesNoText(given))
        return;
    const std::string s = WithCrLf(given);
    RowEdit edit;
    const bool selected = Selected();
    if (selected) {
        if (!SelectionReplacement(*this, s, CaretTargetFirstRow(displaySel_.startRow), edit))
            return;
    } else {
        // Overwrite mode does not apply to pasted text.
        edit.text = RowWithInsertion(RowString(row_), ColToOffset(row_, col_), s);
        FinishCaretEdit(*this, edit, row_, s.size(), CaretTargetFirstRow(row_));
    }
    const bool severalLines = s.find('\r') != std::string::npos;
    if (severalLines) {
        CaretBeginUpdate();
        HideUnderline();
    }
    Finally restore([this, severalLines] {
        if (severalLines) {
            ShowUnderline();
            CaretEndUpdate();
        }
    });
    if (selected)
        CleanSelection();
    ReplaceAndPlace(edit.startRow, edit.count, edit.text, edit.firstRow, edit.caretIndex);
}

void TCustomEditor::BoxPaste(std::string_view text) {
    if (TakesNoText(text))
        return;
    const std::vector<std::string_view> lines = SplitBoxLines(text);
    if (lines.empty())
        return;
    const int rowCount = RowCount();
    const bool selected = Selected();
    RemainderList list;
    int firstRow = row_;
    int insertCol = col_ + 1;
    int nextRow = row_;
    if (selected) {
        list = SelectionRemainder();
        firstRow = displaySel_.startRow;
        insertCol = displaySel_.startCol + 1;
        nextRow = byteSel_.endRow + 1;
    }
    std::size_t caretEntry = 0;
    int caretOffset = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (k >= list.size()) {
            if (nextRow >= rowCount) {
                list.push_back({Spaces(insertCol - 1), RowEndKind::LineEnd, insertCol});
            } else {
                // A double-byte character or tab cut by the column stays left.
                int first = 0;
                int last = 0;
                BoxPart(nextRow, insertCol - 1, insertCol - 1, first, last);
                list.push_back({RowString(nextRow), GetRowEndKind(nextRow), first});
                ++nextRow;
            }
        }
        InsertIntoEntry(list[k], line);
        caretEntry = k;
        caretOffset = list[k].insertIndex - 1 + static_cast<int>(line.size());
    }
    // The rebuilt rows all end with a line break.
    for (RemainderEntry& entry : list)
        if (entry.kind == RowEndKind::OpenLast)
            entry.kind = RowEndKind::LineEnd;

    // The caret goes after the last pasted line. It is placed by character
    // index, so that tabs left of the box and rows refolded by the paste
    // cannot put it on another place.
    const int lineFirst = CaretTargetFirstRow(firstRow);
    std::ptrdiff_t caretIndex = RowColToCharIndex(lineFirst, firstRow, 0) + caretOffset;
    for (std::size_t k = 0; k < caretEntry; ++k)
        caretIndex += static_cast<std::ptrdiff_t>(list[k].text.size()) +
                      (list[k].kind == RowEndKind::LineEnd ? 2 : 0);
    // Every row that gave an entry is replaced: the selection's rows and the
    // document rows taken below them (a stream selection over several rows
    // gives one entry, so the count comes from the rows used, not the lines).
    const int lastRow = nextRow - 1;

    CaretBeginUpdate();
    HideUnderline();
    Finally restore([this] {
        ShowUnderline();
        CaretEndUpdate();
    });
    if (selected)
        CleanSelection();
    ReplaceAndPlace(firstRow, RowsToReplace(firstRow, lastRow, rowCount), RemainderText(list),
                    lineFirst, caretIndex);
}

void TCustomEditor::CopyToClipboard() {
    if (!Selected())
        return;
    host_.SetClipboardText(SelText(), selectionMode_ == TEditorSelectionMode::smBox);
}

void TCustomEditor::CutToClipboard() {
    if (!Selected())
        return;
    CopyToClipboard();
    DeleteSelection();
}

void TCustomEditor::PasteFromClipboard() {
    std::string text;
    bool box = false;
    if (!host_.ClipboardText(text, box))
        return;
    if (box)
        BoxPaste(text);
    else
        SetSelTextBuf(text);
}

void TCustomEditor::KeyChar(unsigned char ch) {
    if (readOnly_)
        return;
    const bool printable = (ch >= 0x20 && ch <= 0x7E) || (ch >= 0xA1 && ch <= 0xDF);
    if (!printable)
        return;
    ApplyPendingImePosition();
    const char c = static_cast<char>(ch);
    InsertText(std::string_view(&c, 1));
}

void TCustomEditor::KeyBackspace() {
    if (readOnly_)
        return;
    if (Selected()) {
        DeleteSelection();
        return;
    }
    if (RowCount() == 0) {
        SetCol(col_ - 1);
        return;
    }
    const int row = row_;
    const std::string t = RowString(row);
    const std::string classes = ColumnClassesOf(t);
    const auto width = static_cast<int>(classes.size());
    const int o = ColToOffset(row, col_);
    if (col_ < width && classes[static_cast<std::size_t>(col_)] == kClassTabFill) {
        // The caret stands inside a tab's expansion: the tab goes as a whole.
        const int firstRow = CaretTargetFirstRow(row);
        ReplaceAndPlace(row, 1, RowWithout(*this, row, static_cast<std::size_t>(o), 1), firstRow,
                        RowColToCharIndex(firstRow, row, 0) + o);
        return;
    }
    if (o >= 1) {
        if (o > static_cast<int>(t.size())) {
            SetCol(col_ - 1);
            return;
        }
        const std::size_t n =
            col_ >= 1 && classes[static_cast<std::size_t>(col_ - 1)] == kClassTrail ? 2 : 1;
        const int firstRow = CaretTargetFirstRow(row);
        const std::size_t at = static_cast<std::size_t>(o) - n;
        ReplaceAndPlace(row, 1, RowWithout(*this, row, at, n), firstRow,
                        RowColToCharIndex(firstRow, row, 0) + static_cast<std::ptrdiff_t>(at));
        return;
    }
    if (row < 1)
        return;

    // At the start of a row: join it to the previous row.
    const int prev = row - 1;
    const std::string p = RowString(prev);
    const int firstRow = CaretTargetFirstRow(prev);
    const std::ptrdiff_t prevStart = RowColToCharIndex(firstRow, prev, 0);
    if (GetRowEndKind(prev) == RowEndKind::Wrapped) {
        // No line break between the rows: the previous row's last character goes.
        const std::size_t at = LastCharStart(p);
        ReplaceAndPlace(prev, 1, p.substr(0, at), firstRow,
                        prevStart + static_cast<std::ptrdiff_t>(at));
        return;
    }
    const auto join = prevStart + static_cast<std::ptrdiff_t>(p.size());
    if (row >= RowCount()) {
        // On the virtual row the previous row only loses its line break.
        ReplaceAndPlace(prev, 1, p, firstRow, join);
        return;
    }
    std::string text = p + t;
    if (GetRowEndKind(row) == RowEndKind::LineEnd)
        text.append(kCrLf);
    ReplaceAndPlace(prev, 2, text, firstRow, join);
}

void TCustomEditor::KeyDelete() {
    if (readOnly_)
        return;
    if (Selected()) {
        DeleteSelection();
        return;
    }
    const int row = row_;
    if (row >= RowCount())
        return;
    const std::string t = RowString(row);
    const std::string classes = ColumnClassesOf(t);
    const auto width = static_cast<int>(classes.size());
    const int o = ColToOffset(row, col_);
    if (o < static_cast<int>(t.size())) {
        // Inside a tab's expansion o is the tab's own byte, so the tab goes
        // as a whole and the caret moves to its column.
        const std::size_t n =
            col_ < width && classes[static_cast<std::size_t>(col_)] == kClassLead ? 2 : 1;
        const int firstRow = CaretTargetFirstRow(row);
        ReplaceAndPlace(row, 1, RowWithout(*this, row, static_cast<std::size_t>(o), n), firstRow,
                        RowColToCharIndex(firstRow, row, 0) + o);
        return;
    }
    // At or beyond the end of the row. The caret never stands there on a
    // wrapped row, and an open last row has nothing after it.
    if (GetRowEndKind(row) != RowEndKind::LineEnd)
        return;
    const int firstRow = CaretTargetFirstRow(row);
    std::string text = t;
    int count = 1;
    if (row + 1 < RowCount()) {
        text += Spaces(o - static_cast<int>(t.size()));
        text += RowString(row + 1);
        if (GetRowEndKind(row + 1) == RowEndKind::LineEnd)
            text.append(kCrLf);
        count = 2;
    }
    // Without a next row only the final line break goes.
    ReplaceAndPlace(row, count, text, firstRow, RowColToCharIndex(firstRow, row, col_));
}

void TCustomEditor::KeyEnter() {
    if (readOnly_)
        return;
    if (Selected())
        DeleteSelection();
    if (row_ >= RowCount()) {
        CaretBeginUpdate();
        Finally endUpdate([this] { CaretEndUpdate(); });
        rows_->ReplaceRows(RowCount(), 0, kCrLf);
        SetRow(row_ + 1);
        SetCol(0);
        return;
    }
    if (overwrite_) {
        SetRow(row_ + 1);
        SetCol(0);
        return;
    }

    const int row = row_;
    const int d = rows_->LineFirstRow(row);
    int indent = 0;
    if (caret_.AutoIndent()) {
        indent = LeadingBlankWidth(ExpandedRowString(d));
        if (indent < 1) {
            indent = 0;
            if (caret_.PrevSpaceIndent() && row == d && RowString(row).empty()) {
                // Take the indent of the nearest earlier line that has text.
                for (int r = d; r > 0;) {
                    r = rows_->LineFirstRow(r - 1);
                    const std::string expanded = ExpandedRowString(r);
                    if (!expanded.empty()) {
                        indent = std::max(0, LeadingBlankWidth(expanded));
                        break;
                    }
                }
            }
        } else if (row == d && col_ < indent) {
            indent = col_;
        }
    }
    std::string indentText;
    if (caret_.TabIndent()) {
        const int tab = caret_.TabSpaceCount();
        indentText =
            std::string(static_cast<std::size_t>(indent / tab), '\t') + Spaces(indent % tab);
    } else {
        indentText = Spaces(indent);
    }

    // A caret beyond the text splits at the end without adding spaces.
    const std::string t = RowString(row);
    const int col = std::min(ExpandedRowLength(row), col_);
    const auto o = static_cast<std::size_t>(
        std::min<std::ptrdiff_t>(ColToOffset(row, col), static_cast<std::ptrdiff_t>(t.size())));
    std::string text = t.substr(0, o);
    text.append(kCrLf);
    text += indentText;
    text.append(t, o);
    if (GetRowEndKind(row) == RowEndKind::LineEnd)
        text.append(kCrLf);
    const std::ptrdiff_t caretIndex =
        RowColToCharIndex(d, row, col) + static_cast<std::ptrdiff_t>(indentText.size()) + 2;

    CaretBeginUpdate();
    HideUnderline();
    Finally restore([this] {
        ShowUnderline();
        CaretEndUpdate();
    });
    ReplaceAndPlace(row, 1, text, d, caretIndex);
}

void TCustomEditor::KeyTab() {
    if (readOnly_ || !wantTabs_)
        return;
    const int tab = caret_.TabSpaceCount();
    int n = tab - col_ % tab;
    if (WordWrap()) {
        const int wrap = rows_->WrapOption().WrapByte();
        n = std::min(n, wrap - col_ % wrap);
    }
    if (overwrite_)
        SetCol(col_ + n);
    else if (caret_.SoftTab())
        InsertText(Spaces(n));
    else
        InsertText("\t");
}

bool TCustomEditor::CanSelMove() const {
    return !readOnly_ && Selected() && selectionMode_ == TEditorSelectionMode::smStream &&
           caret_.SelMove();
}

void TCustomEditor::DropCopy(int row, int col) {
    if (!CanSelMove() || PosInSelection(row, col)) {
        CleanSelection();
        return;
    }
    const std::string text = SelText();
    CleanSelection();
    SetRowCol(row, col);
    SetSelTextBuf(text);
}

void TCustomEditor::DropMove(int row, int col) {
    if (!CanSelMove() || PosInSelection(row, col)) {
        CleanSelection();
        return;
    }
    const int rowCount = RowCount();
    row = std::clamp(row, 0, rowCount);
    const std::string dropRow = RowString(row);
    const std::string classes = ColumnClassesOf(dropRow);
    // Never split a double-byte character.
    if (col > 0 && col < static_cast<int>(classes.size()) &&
        classes[static_cast<std::size_t>(col)] == kClassTrail)
        --col;

    // The text of all rows from the earlier to the later of the selection and
    // the drop place, with positions counted from its start.
    const ByteSelection sel = byteSel_;
    const int lo = std::min(sel.startRow, row);
    const int hi = std::max(sel.endRow, row);
    std::string text = rows_->RowsText(lo, RowsToReplace(lo, hi, rowCount)).text;
    const std::ptrdiff_t base = rows_->RowCharIndex(std::min(lo, rowCount));
    auto pos = [&](int r, std::ptrdiff_t offset) {
        return rows_->RowCharIndex(std::min(r, rowCount)) - base + offset;
    };
    const auto size = static_cast<std::ptrdiff_t>(text.size());
    std::ptrdiff_t start = std::clamp<std::ptrdiff_t>(pos(sel.startRow, sel.startOffset), 0, size);
    std::ptrdiff_t end =
        std::clamp<std::ptrdiff_t>(pos(sel.endRow, sel.endOffset) + 1, start, size);
    const auto dropLength = static_cast<std::ptrdiff_t>(dropRow.size());
    const std::ptrdiff_t dropOffset = ColToOffset(row, col);
    std::ptrdiff_t drop;
    if (dropOffset > dropLength) {
        // Beyond the text of the drop row: pad it with spaces up to the column.
        const std::ptrdiff_t padAt = std::clamp<std::ptrdiff_t>(pos(row, dropLength), 0, size);
        const std::ptrdiff_t pad = dropOffset - dropLength;
        text.insert(static_cast<std::size_t>(padAt), Spaces(pad));
        if (padAt <= start) {
            start += pad;
            end += pad;
        }
        drop = padAt + pad;
    } else {
        drop = std::clamp<std::ptrdiff_t>(pos(row, dropOffset), 0, size);
    }
    const std::string moved =
        text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    if (drop >= end)
        drop -= end - start;
    text.insert(static_cast<std::size_t>(drop), moved);

    const int firstRow = CaretTargetFirstRow(lo);
    const std::ptrdiff_t caretIndex =
        RowColToCharIndex(firstRow, lo, 0) + drop + static_cast<std::ptrdiff_t>(moved.size());
    CleanSelection();
    CaretBeginUpdate();
    HideUnderline();
    Finally restore([this] {
        ShowUnderline();
        CaretEndUpdate();
    });
    ReplaceAndPlace(lo, RowsToReplace(lo, hi, rowCount), text, firstRow, caretIndex);
}

void TCustomEditor::Undo() {
    CleanSelection();
    rows_->Undo();
}

void TCustomEditor::Redo() {
    CleanSelection();
    rows_->Redo();
}

} // namespace mojiro
