// The caret: keeping it on a legal place, moving it by keys and by character
// index, the system caret and the IME window, and scrolling the view.
#include "editor/CustomEditor.h"
#include "editor/EditorParser.h"

#include <algorithm>

namespace mojiro {

namespace {

constexpr int kMaxCol = 1000;

char ClassAt(const std::string& classes, int col) {
    return col >= 0 && col < static_cast<int>(classes.size()) ? classes[col] : '\0';
}

// Runs body, then finally, also when body throws (the nesting counters and
// flags of the caret must always be restored).
template <typename Body, typename Finally> void WithFinally(Body&& body, Finally&& finally) {
    try {
        body();
    } catch (...) {
        finally();
        throw;
    } finally();
}

} // namespace

// ---- keeping the caret on a legal place -----------------------------------------

void TCustomEditor::Remember(int col, bool rowChanged) {
    if (rowChanged && !remembered_) {
        rememberedCol_ = col;
        remembered_ = true;
    }
}

void TCustomEditor::AdjustCol(bool rowChanged, int direction) {
    const std::string classes = ColumnClassesOf(StoredRowBytes(row_));
    const int width = static_cast<int>(classes.size());
    if (!rowChanged)
        remembered_ = false;
    else if (remembered_)
        col_ = rememberedCol_;

    if (!caret_.FreeCaret() && col_ > width) {
        if (caret_.KeepCaret())
            Remember(host_.LeftButtonDown() ? width : col_, rowChanged);
        col_ = width;
    }
    if (ClassAt(classes, col_) == kClassTrail) {
        Remember(col_, rowChanged);
        col_ += direction;
    }
    if (!caret_.InTab() && ClassAt(classes, col_) == kClassTabFill) {
        Remember(col_, rowChanged);
        while (ClassAt(classes, col_) == kClassTabFill)
            col_ += direction;
    }
    if (WordWrap() && col_ >= width) {
        Remember(col_, rowChanged);
        const int wrapByte = rows_->WrapOption().WrapByte();
        if (GetRowEndKind(row_) == RowEndKind::Wrapped)
            col_ = std::max(0, width - 1);
        else if (col_ >= wrapByte)
            col_ = std::max(width, wrapByte - 1);
        if (ClassAt(classes, col_) == kClassTrail)
            --col_;
        if (!caret_.InTab())
            while (ClassAt(classes, col_) == kClassTabFill)
                --col_;
    }
    if (!suppressCaretUpdate_)
        UpdateCaret();
}

void TCustomEditor::SetCol(int col) {
    const int newCol = std::clamp(col, 0, kMaxCol);
    const int direction = newCol > col_ ? 1 : -1;
    col_ = newCol;
    AdjustCol(false, direction);
}

void TCustomEditor::SetRow(int row) {
    if (row == row_ && row_ != RowCount())
        return;
    HideUnderline();
    WithFinally(
        [&] {
            row_ = std::clamp(row, 0, RowCount());
            if (row_ == RowCount() && row_ > 0 && GetRowEndKind(row_ - 1) == RowEndKind::OpenLast)
                row_ = RowCount() - 1;
            AdjustCol(true, -1);
        },
        [&] { ShowUnderline(); });
}

void TCustomEditor::SetRowCol(int row, int col) {
    if (row == row_ && col == col_)
        return;
    // One caret refresh at the end; inside an operation that already holds
    // the refreshes back, that operation refreshes.
    const bool outer = suppressCaretUpdate_;
    suppressCaretUpdate_ = true;
    WithFinally(
        [&] {
            SetRow(row);
            const std::string classes = ColumnClassesOf(StoredRowBytes(row_));
            int c = col;
            if (ClassAt(classes, c) == kClassTrail)
                --c;
            if (!caret_.InTab())
                while (ClassAt(classes, c) == kClassTabFill)
                    --c;
            SetCol(c);
        },
        [&] {
            suppressCaretUpdate_ = outer;
            if (!outer)
                UpdateCaret();
        });
}

// The walk of the rows from firstRow that the row list's running sums make a
// lookup: every row spans its bytes, plus 2 after a line-end row; the walk
// stops at the row whose span holds the index, and always at an open last
// row, which spans one more (the place after its last character).
void TCustomEditor::SetCaretByCharIndex(int firstRow, std::ptrdiff_t index) {
    const int count = RowCount();
    if (firstRow < 0) {
        // A row before the list reads as an empty open last row: the walk
        // stops there at once.
        SetRow(firstRow);
        SetCol(0);
        return;
    }
    int row = count;
    std::ptrdiff_t offset = 0;
    if (firstRow < count) {
        const std::ptrdiff_t target =
            rows_->RowCharIndex(firstRow) + std::max<std::ptrdiff_t>(index, 0);
        if (target < rows_->TextLength())
            row = std::max(firstRow, rows_->RowFromCharIndex(target));
        else if (rows_->GetRowEndKind(count - 1) == RowEndKind::OpenLast)
            row = count - 1;
        if (row < count)
            offset = target - rows_->RowCharIndex(row);
    }
    SetRow(row);
    if (row == count) {
        // The rows ran out.
        SetCol(ExpandedRowLength(row_));
        return;
    }
    // An index on the CR or LF of a line end stays at the end of the row.
    const int bytes =
        static_cast<int>(std::min<std::ptrdiff_t>(offset, StoredRowBytes(row).size()));
    SetCol(std::min(OffsetToCol(row, bytes), ExpandedRowLength(row)));
}

// ---- the system caret ------------------------------------------------------------

bool TCustomEditor::CaretActive() const {
    return host_.HasWindow() && host_.HasFocus();
}

bool TCustomEditor::CaretInView() const {
    return row_ >= topRow_ && row_ <= topRow_ + pageRows_ && col_ >= topCol_ &&
           col_ <= topCol_ + pageCols_;
}

void TCustomEditor::CreateCaretShape() {
    const int cell = charWidth_ - margin_.Character();
    int width = 2;
    int height = fontHeight_;
    if (overwrite_ || caret_.Style() == TEditorCaretStyle::csBrief) {
        const std::string classes = ColumnClassesOf(StoredRowBytes(row_));
        width = ClassAt(classes, col_) == kClassLead ? 2 * cell : cell;
        if (!overwrite_)
            height = 2;
    }
    host_.HideCaret();
    host_.DestroyCaret();
    caretShown_ = false;
    host_.CreateCaret(width, height);
}

void TCustomEditor::SetImeWindow() {
    host_.SetImePosition(margin_.Left() + (col_ - topCol_) * charWidth_,
                         margin_.Top() + (row_ - topRow_) * rowHeight_);
    imePositionPending_ = false;
}

void TCustomEditor::ApplyPendingImePosition() {
    if (imePositionPending_ && CaretActive())
        SetImeWindow();
}

void TCustomEditor::PlaceCaret() {
    if (!CaretActive())
        return;
    const Point p = CaretPixelPos();
    host_.SetCaretPos(p.x, p.y);
    // While a key repeats the IME window would be moved for every step; it
    // follows when the key is released.
    if (keyRepeat_)
        imePositionPending_ = true;
    else
        SetImeWindow();
    if (OnCaretMoved)
        OnCaretMoved(this);
}

void TCustomEditor::ShowCaretIfAllowed() {
    if (caretHideCount_ == 0 && CaretActive() && !caretShown_ && CaretInView()) {
        host_.ShowCaret();
        caretShown_ = true;
    }
}

void TCustomEditor::UpdateCaret() {
    if (CaretActive())
        CreateCaretShape();
    ScrollToCaret();
    PlaceCaret();
    ShowCaretIfAllowed();
}

void TCustomEditor::CaretBeginUpdate() {
    if (caretHideCount_++ == 0 && CaretActive() && caretShown_) {
        host_.HideCaret();
        caretShown_ = false;
    }
}

void TCustomEditor::CaretEndUpdate() {
    if (caretHideCount_ == 0)
        return;
    if (--caretHideCount_ == 0)
        ShowCaretIfAllowed();
}

void TCustomEditor::FocusIn() {
    CreateCaretShape();
    PlaceCaret();
    ShowCaretIfAllowed();
}

void TCustomEditor::FocusOut() {
    host_.HideCaret();
    host_.DestroyCaret();
    caretShown_ = false;
}

// ---- following the caret -------------------------------------------------------------

void TCustomEditor::ScrollToCaret() {
    if (!CaretActive())
        return;
    if (row_ < topRow_)
        SetTopRow(row_);
    else if (row_ > topRow_ + pageRows_ - 1)
        SetTopRow(row_ - pageRows_ + 1);
    // Horizontally the view jumps by at least a quarter page.
    if (col_ < topCol_)
        SetTopCol(std::max(0, std::min(col_, topCol_ - pageCols_ / 4)));
    else if (col_ > topCol_ + pageCols_ - 1)
        SetTopCol(std::min(std::max(col_ - pageCols_ + 1, topCol_ + pageCols_ / 4),
                           kMaxCol - pageCols_ / 2));
}

void TCustomEditor::SetTopRow(int row) {
    MoveView(ViewAxis::Rows, std::clamp(row, 0, RowCount()));
}

void TCustomEditor::SetTopCol(int col) {
    MoveView(ViewAxis::Cols, std::clamp(col, 0, std::max(0, kMaxCol - pageCols_ / 2)));
}

// Moves the view's first row or column to `first`, with the caret and the
// underline hidden meanwhile. The input method's window follows the caret on
// the screen, but not during key repeat, where it would flicker: it is placed
// once the keys are let go.
void TCustomEditor::MoveView(ViewAxis axis, int first) {
    if (!host_.HasWindow())
        return;
    int& current = axis == ViewAxis::Rows ? topRow_ : topCol_;
    CaretBeginUpdate();
    HideUnderline();
    WithFinally(
        [&] {
            const int old = current;
            current = first;
            if (current == old)
                return;
            if (axis == ViewAxis::Rows) {
                // The host moves the text area up by this many rows (down
                // when negative); beyond a page it repaints instead.
                const int limit = pageRows_ + 1;
                host_.ScrollView(std::clamp(current - old, -limit, limit), 0);
            } else {
                host_.ScrollView(0, current - old);
            }
            host_.ScrollInfoChanged();
            if (CaretActive()) {
                if (keyRepeat_)
                    imePositionPending_ = true;
                else
                    SetImeWindow();
            }
            if (axis == ViewAxis::Rows)
                DoTopRowChange();
            else
                DoTopColChange();
        },
        [&] {
            ShowUnderline();
            CaretEndUpdate();
        });
}

void TCustomEditor::UpdateScrollInfo() {
    const int oldTopRow = topRow_;
    const int oldTopCol = topCol_;
    // The range lets the last row reach the top of the view.
    const int maxTopRow = std::max(0, RowCount() + pageRows_ - 2);
    topRow_ = std::min(topRow_, maxTopRow);
    topCol_ = std::clamp(topCol_, 0, std::max(0, kMaxCol - pageCols_ / 2));
    host_.ScrollInfoChanged();
    TopMovedByClamp(oldTopRow, oldTopCol);
}

// ---- movement commands ------------------------------------------------------------------

void TCustomEditor::MoveLeft() {
    if (col_ > 0) {
        SetCol(col_ - 1);
        return;
    }
    if (row_ > 0 && (caret_.NextLine() || GetRowEndKind(row_ - 1) == RowEndKind::Wrapped)) {
        CaretBeginUpdate();
        WithFinally(
            [&] {
                SetRow(row_ - 1);
                SetCol(ExpandedRowLength(row_));
            },
            [&] { CaretEndUpdate(); });
    }
}

void TCustomEditor::MoveRight() {
    const int old = col_;
    SetCol(col_ + 1);
    if (col_ != old || row_ >= RowCount())
        return;
    const RowEndKind kind = GetRowEndKind(row_);
    if (kind == RowEndKind::OpenLast)
        return;
    if (caret_.NextLine() || kind == RowEndKind::Wrapped) {
        CaretBeginUpdate();
        WithFinally(
            [&] {
                SetRow(row_ + 1);
                SetCol(0);
            },
            [&] { CaretEndUpdate(); });
    }
}

void TCustomEditor::MoveUp() {
    if (row_ <= 0)
        return;
    // Holding the key at the top edge moves (and scrolls) two rows a repeat.
    const int step = keyRepeat_ && row_ == topRow_ ? 2 : 1;
    SetRow(row_ - step);
}

void TCustomEditor::MoveDown() {
    const int step = keyRepeat_ && row_ == topRow_ + pageRows_ - 1 ? 2 : 1;
    if (GetRowEndKind(row_) != RowEndKind::OpenLast)
        SetRow(row_ + step);
}

void TCustomEditor::ScrollUpKeepCaret() {
    if (row_ <= 0)
        return;
    const int step = keyRepeat_ && row_ == topRow_ ? 2 : 1;
    SetTopRow(topRow_ - step);
    if (row_ >= topRow_ + pageRows_)
        SetRow(row_ - step);
}

void TCustomEditor::ScrollDownKeepCaret() {
    const int step = keyRepeat_ && row_ == topRow_ + pageRows_ - 1 ? 2 : 1;
    SetTopRow(topRow_ + step);
    if (row_ < topRow_)
        SetRow(row_ + step);
}

void TCustomEditor::MoveHome() {
    SetCol(0);
}

void TCustomEditor::MoveDocumentHome() {
    SetRow(0);
    SetCol(0);
}

void TCustomEditor::MoveEnd() {
    // On a wrapped row AdjustCol keeps the caret before the last character.
    SetCol(row_ == RowCount() ? 0 : ExpandedRowLength(row_));
}

void TCustomEditor::MoveDocumentEnd() {
    SetRow(RowCount());
    MoveEnd();
}

void TCustomEditor::MoveWordLeft() {
    int row = row_;
    int col = col_;
    if (WordMove(row, col, -1)) {
        SetRow(row);
        SetCol(col);
    }
}

void TCustomEditor::MoveWordRight() {
    int row = row_;
    int col = col_;
    if (WordMove(row, col, 1)) {
        SetRow(row);
        SetCol(col);
    }
}

void TCustomEditor::MovePage(int delta) {
    if (topRow_ == 0 && delta < 0) {
        SetRow(0);
        return;
    }
    if (GetRowEndKind(topRow_) == RowEndKind::OpenLast && delta > 0)
        return;
    CaretBeginUpdate();
    WithFinally(
        [&] {
            // The caret keeps its place on the screen.
            const int oldTop = topRow_;
            const int oldRow = row_;
            SetTopRow(std::clamp(topRow_ + delta, 0, RowCount()));
            SetRow(oldRow + topRow_ - oldTop);
        },
        [&] { CaretEndUpdate(); });
}

// Words are the tokens of the row scanner without view settings, found in the
// tab-expanded row, where a byte offset is a display column. Single-byte
// symbols are passed over.
bool TCustomEditor::WordMove(int& row, int& col, int direction) const {
    if (row < 0 || row >= RowCount())
        return false;
    const int startRow = row;
    const int startCol = col;
    int r = row;
    int c = col;
    if (direction > 0) {
        if (c >= ExpandedRowLength(r)) {
            // An open last row has no row after it for the caret.
            if (r + 1 > MaxCaretRow())
                return false;
            ++r;
            c = -1;
        }
        const std::string text = ExpandedRowString(r);
        TEditorParser parser(text, kStateOutside, nullptr);
        int found = -1;
        for (; parser.Token() != TokenKind::tkEnd; parser.NextToken()) {
            const int start = static_cast<int>(parser.TokenOffset());
            if (parser.Token() != TokenKind::tkSymbol && start > c) {
                found = start;
                break;
            }
        }
        if (found >= 0) {
            c = found;
        } else if (GetRowEndKind(r) == RowEndKind::Wrapped) {
            ++r;
            c = 0;
        } else {
            c = ExpandedRowLength(r);
        }
    } else {
        if (c == 0) {
            if (r == 0)
                return false;
            --r;
            c = ExpandedRowLength(r);
            if (GetRowEndKind(r) == RowEndKind::LineEnd) {
                row = r;
                col = c;
                return true;
            }
        }
        const std::string text = ExpandedRowString(r);
        TEditorParser parser(text, kStateOutside, nullptr);
        int found = -1;
        for (; parser.Token() != TokenKind::tkEnd; parser.NextToken()) {
            const int start = static_cast<int>(parser.TokenOffset());
            if (start >= c)
                break;
            if (parser.Token() != TokenKind::tkSymbol)
                found = start;
        }
        if (found >= 0) {
            c = found;
        } else if (r == 0) {
            c = 0;
        } else {
            --r;
            c = ExpandedRowLength(r);
        }
    }
    row = r;
    col = c;
    return row != startRow || col != startCol;
}

} // namespace mojiro
