// TCustomEditor: construction, option wiring, metrics, row helpers and what
// the row list tells its views.
#include "editor/CustomEditor.h"

#include "editor/EditorScreen.h"

#include <algorithm>

namespace mojiro {

namespace {

// Rows the scanner keeps ahead before the metrics are known.
constexpr int kDefaultScreenRows = 64;

} // namespace

TCustomEditor::TCustomEditor(EditorHost& host) : host_(host) {
    rows_ = std::make_shared<TEditorScreenStrings>();
    rows_->AttachView(this);
    lines_ = std::make_unique<TEditorStrings>(*rows_, this);
    GetDelimiters(delimiters_);
    const auto changed = [this](TNotifyPersistent* sender) { OptionChanged(sender); };
    caret_.SetOnChange(changed);
    marks_.SetOnChange(changed);
    margin_.SetOnChange(changed);
    view_.SetOnChange(changed);
}

TCustomEditor::~TCustomEditor() {
    rows_->DetachView(this);
}

// ---- options -----------------------------------------------------------------

void TCustomEditor::GetDelimiters(Delimiters& delimiters) {
    delimiters = DefaultDelimiters();
}

void TCustomEditor::OptionChanged(TNotifyPersistent* sender) {
    if (sender == &marks_) {
        // Reported again as a margin change, which refreshes once more; the
        // refresh below then already sees the new row height.
        margin_.SetUnderlineExtra(marks_.Underline().Visible() ? 1 : 0);
    } else if (sender == &view_) {
        rows_->RecomputeStates();
    }
    RefreshView();
    if (sender == &caret_) {
        UpdateCaret();
    } else {
        ScrollToCaret();
        PlaceCaret();
    }
}

void TCustomEditor::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    if (host_.HasWindow()) {
        InitFontMetrics();
        UpdateScrollInfo();
    }
}

void TCustomEditor::SetReadOnly(bool value) {
    if (dragging_ || value == readOnly_)
        return;
    if (value && Selected())
        host_.SetMouseCursor(caret_.Cursors().DefaultCursor());
    readOnly_ = value;
}

void TCustomEditor::SetOverwrite(bool value) {
    if (value == overwrite_)
        return;
    overwrite_ = value;
    // Only the shape (and, for the underline style, its height in the cell)
    // changes: the caret has not moved, so OnCaretMoved is not raised.
    if (CaretActive()) {
        CreateCaretShape();
        const Point p = CaretPixelPos();
        host_.SetCaretPos(p.x, p.y);
        ShowCaretIfAllowed();
    }
}

void TCustomEditor::AttachTo(TCustomEditor& other) {
    CleanSelection();
    std::shared_ptr<TEditorScreenStrings> shared = other.rows_;
    if (shared != rows_) {
        rows_->DetachView(this);
        rows_ = std::move(shared); // the old document goes with its last view
        rows_->AttachView(this);
        lines_->SetRowList(*rows_);
    }
    const int oldTopRow = topRow_;
    const int oldTopCol = topCol_;
    row_ = col_ = 0;
    topRow_ = topCol_ = 0;
    remembered_ = false;
    RefreshView();
    TopMovedByClamp(oldTopRow, oldTopCol);
    UpdateCaret();
}

// ---- rows and metrics --------------------------------------------------------------

std::string TCustomEditor::RowString(int row) const {
    return std::string(StoredRowBytes(row));
}

std::string_view TCustomEditor::StoredRowBytes(int row) const {
    if (row < 0 || row >= RowCount())
        return {};
    return rows_->RowView(row);
}

RowEndKind TCustomEditor::GetRowEndKind(int row) const {
    if (row < 0 || row >= RowCount())
        return RowEndKind::OpenLast;
    return rows_->GetRowEndKind(row);
}

TabRule TCustomEditor::Tabs() const {
    return TabRule{caret_.TabSpaceCount(), rows_->WordWrap(), rows_->WrapOption().WrapByte()};
}

std::string TCustomEditor::ColumnClassesOf(std::string_view text) const {
    return ColumnClasses(text, Tabs(), delimiters_);
}

std::string TCustomEditor::ExpandTabsOf(std::string_view text) const {
    return ExpandTabs(text, Tabs());
}

std::string TCustomEditor::ExpandedRowString(int row) const {
    return ExpandTabs(StoredRowBytes(row), Tabs());
}

int TCustomEditor::ExpandedRowLength(int row) const {
    return OffsetToCol(row, static_cast<int>(StoredRowBytes(row).size()));
}

void TCustomEditor::InitFontMetrics() {
    fontHeight_ = host_.FontHeight();
    charWidth_ = host_.AverageCharWidth() + margin_.Character();
    rowHeight_ = fontHeight_ + margin_.Line() + margin_.UnderlineExtra();
    const bool horizontalBar =
        scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    const bool verticalBar =
        scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    const int height =
        host_.ControlHeight() - margin_.Top() - 5 - (horizontalBar ? host_.ScrollBarExtent() : 0);
    const int width = host_.ControlWidth() - margin_.Left() - charWidth_ / 2 -
                      (verticalBar ? host_.ScrollBarExtent() : 0);
    // A control too small for one row or column still counts one: a page of
    // none would make the view chase the caret past itself on every move.
    pageRows_ = std::max(1, height / std::max(rowHeight_, 1));
    pageCols_ = std::max(1, width / std::max(charWidth_, 1));
}

void TCustomEditor::RefreshView() {
    if (host_.HasWindow())
        InitFontMetrics();
    UpdateScrollInfo();
    host_.InvalidateAll();
}

// ---- what the row list tells its views ----------------------------------------

// The whole rows of the page plus the one cut by the bottom edge.
int TCustomEditor::ScreenRows() const {
    return rowHeight_ > 0 ? pageRows_ + 1 : kDefaultScreenRows;
}

int TCustomEditor::MaxCaretRow() const {
    const int count = RowCount();
    if (count > 0 && rows_->GetRowEndKind(count - 1) == RowEndKind::OpenLast)
        return count - 1;
    return count;
}

void TCustomEditor::RowListChanged() {
    const ChangeRecord& change = rows_->Change();
    const ChangeRepaint plan = PlanChangeRepaint(change, RowCount(), pageRows_);
    if (plan.wholeTextArea) {
        host_.InvalidateAll();
    } else {
        if (plan.firstRow <= plan.lastRow)
            host_.InvalidateRows(plan.firstRow, plan.lastRow);
        if (plan.scrollRows != 0)
            ScrollRowsBelow(plan.scrollFrom, plan.scrollRows);
        if (plan.tailRow >= 0)
            host_.InvalidateRows(plan.tailRow, plan.tailRow);
    }
    UpdateScrollInfo();
    if (change.pending) {
        modified_ = true;
        if (OnChange)
            OnChange(this);
    }
}

// A host knows only whole rows: everything from the first moved row down is
// painted again.
void TCustomEditor::ScrollRowsBelow(int row, int /*rows*/) {
    host_.InvalidateRows(row, std::max(row, topRow_ + pageRows_));
}

void TCustomEditor::InvalidateSpan(int row, int /*startCol*/, int /*endCol*/) {
    host_.InvalidateRows(row, row);
}

void TCustomEditor::ClampToRowCount() {
    const int oldTopRow = topRow_;
    const int limit = MaxCaretRow();
    row_ = std::min(row_, limit);
    topRow_ = std::min(topRow_, limit);
    TopMovedByClamp(oldTopRow, topCol_);
}

void TCustomEditor::TopMovedByClamp(int oldTopRow, int oldTopCol) {
    if (oldTopRow == topRow_ && oldTopCol == topCol_)
        return;
    host_.ScrollInfoChanged();
    host_.InvalidateAll();
    if (oldTopRow != topRow_)
        DoTopRowChange();
    if (oldTopCol != topCol_)
        DoTopColChange();
}

void TCustomEditor::RepaintRow(int row) {
    host_.InvalidateRows(row, row);
}

void TCustomEditor::RowListRefolded() {
    UpdateScrollInfo();
    host_.InvalidateAll();
    ClampToRowCount();
    SetCol(0);
}

void TCustomEditor::ResetCaret() {
    const int oldTopRow = topRow_;
    const int oldTopCol = topCol_;
    row_ = col_ = 0;
    topRow_ = topCol_ = 0;
    remembered_ = false;
    TopMovedByClamp(oldTopRow, oldTopCol);
    UpdateCaret();
}

void TCustomEditor::EndLoading() {
    loading_ = false;
    // Folding and scanning waited for the stored properties. The wrap
    // options reporting a change is the row list's way of folding the whole
    // document anew (it rescans the states and tells the views); unfolded
    // text only needs its states.
    if (rows_->WordWrap())
        rows_->WrapOption().Changed();
    else
        rows_->RecomputeStates();
    modified_ = false;
    RefreshView();
}

// ---- events ------------------------------------------------------------------

void TCustomEditor::DoSelectionChange(bool selected) {
    if (OnSelectionChange)
        OnSelectionChange(this, selected);
}

void TCustomEditor::DoSelectionModeChange() {
    if (OnSelectionModeChange)
        OnSelectionModeChange(this);
}

void TCustomEditor::DoTopRowChange() {
    if (OnTopRowChange)
        OnTopRowChange(this);
}

void TCustomEditor::DoTopColChange() {
    if (OnTopColChange)
        OnTopColChange(this);
}

} // namespace mojiro
