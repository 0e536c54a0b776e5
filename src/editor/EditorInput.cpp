// What the window's input becomes: keys move the caret and extend the
// selection, characters and input-method text edit, the mouse places the
// caret, selects (also whole rows from the left margin) and drags the
// selection, and the scroll bars and the wheel scroll the view.
#include "editor/CustomEditor.h"
#include "editor/VirtualKeys.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace mojiro {

namespace {

constexpr int kMaxCol = 1000;

// Holds the caret back during a compound operation, also when it throws.
class CaretUpdatePair {
public:
    explicit CaretUpdatePair(TCustomEditor& editor) : editor_(editor) {
        editor_.CaretBeginUpdate();
    }
    ~CaretUpdatePair() { editor_.CaretEndUpdate(); }
    CaretUpdatePair(const CaretUpdatePair&) = delete;
    CaretUpdatePair& operator=(const CaretUpdatePair&) = delete;

private:
    TCustomEditor& editor_;
};

bool IsNavigationKey(int vk) {
    switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

bool IsPrintable(unsigned char ch) {
    return (ch >= 0x20 && ch <= 0x7E) || (ch >= 0xA1 && ch <= 0xDF);
}

} // namespace

// ---- keys ----------------------------------------------------------------------

bool TCustomEditor::KeyDown(int vk, ShiftState shift, bool repeat) {
    SetKeyRepeat(repeat);
    if (dragState_ != DragState::None) {
        // The keyboard belongs to the drag until it ends.
        if (vk == VK_ESCAPE)
            CancelDrag(true);
        else if (vk == VK_CONTROL && dragState_ == DragState::Dragging)
            ApplyCursorKind(CursorKind::DragCopy);
        return true;
    }
    // Alt combinations are system keys: they belong to the window's menus.
    if (shift.alt)
        return false;
    const bool navigation = IsNavigationKey(vk);
    if (navigation) {
        if (shift.shift && !Selected())
            StartSelection();
        else if (Selected() && !shift.shift)
            CleanSelection();
    }
    switch (vk) {
    case VK_PRIOR:
        MovePage(1 - PageRows());
        break;
    case VK_NEXT:
        MovePage(PageRows() - 1);
        break;
    case VK_END:
        shift.ctrl ? MoveDocumentEnd() : MoveEnd();
        break;
    case VK_HOME:
        shift.ctrl ? MoveDocumentHome() : MoveHome();
        break;
    case VK_LEFT:
        shift.ctrl ? MoveWordLeft() : MoveLeft();
        break;
    case VK_RIGHT:
        shift.ctrl ? MoveWordRight() : MoveRight();
        break;
    case VK_UP:
        shift.ctrl ? ScrollUpKeepCaret() : MoveUp();
        break;
    case VK_DOWN:
        shift.ctrl ? ScrollDownKeepCaret() : MoveDown();
        break;
    case VK_DELETE:
        if (!ReadOnly())
            KeyDelete();
        return true;
    default:
        return false;
    }
    if (shift.shift)
        ExtendSelection();
    return true;
}

void TCustomEditor::KeyUp(int vk, ShiftState /*shift*/) {
    SetKeyRepeat(false);
    // The IME window waited for the repeating key to be released.
    ApplyPendingImePosition();
    if (vk == VK_CONTROL && dragState_ == DragState::Dragging)
        ApplyCursorKind(CursorKind::Drag);
}

bool TCustomEditor::KeyPress(unsigned char ch, ShiftState shift) {
    if (InputBlocked())
        return true;
    if (imeSwallowCount_ > 0) {
        --imeSwallowCount_;
        return true;
    }
    DoKeyPress(ch);
    switch (ch) {
    case 0:
        return true; // consumed by the host
    case '\b':
        KeyBackspace();
        return true;
    case '\t':
        // Shift+Tab and Ctrl+Tab are the host's (moving between panes).
        if (shift.shift || shift.ctrl)
            return false;
        KeyTab();
        return true;
    case '\r':
        KeyEnter();
        return true;
    default:
        // Lead bytes are ignored: double-byte text comes as input-method text.
        if (!IsPrintable(ch))
            return false;
        KeyChar(ch);
        return true;
    }
}

void TCustomEditor::ImeResult(std::string_view cp932, ImeEcho echo) {
    if (ReadOnly() || cp932.empty())
        return;
    if (echo == ImeEcho::CharactersFollow)
        imeSwallowCount_ += static_cast<int>(cp932.size());
    InsertText(cp932);
}

// ---- the mouse --------------------------------------------------------------------

void TCustomEditor::MouseDown(int x, int y, ShiftState shift) {
    if (shift.shift) {
        if (!Selected())
            StartSelection();
        const RowCol place = PosToRowCol(x, y, true);
        SetRowCol(place.row, place.col);
        ExtendSelection();
        leftHeld_ = true;
        return;
    }
    pressX_ = x;
    pressY_ = y;
    // Pressing inside the selection may start dragging it; the place is
    // the cell under the pointer, not the nearer gap.
    const RowCol cell = PosToRowCol(x, y, false);
    if (CanSelMove() && x >= Margin().Left() && PosInSelection(cell.row, cell.col)) {
        SetRowCol(cell.row, cell.col);
        if (Caret().SelDragMode() == TDragMode::dmAutomatic) {
            // The press belongs to the drag from here on, not to selecting.
            dragState_ = DragState::Armed;
            leftHeld_ = false;
        } else {
            leftHeld_ = true;
        }
        return;
    }
    const RowCol place = PosToRowCol(x, y, true);
    if (x < Margin().Left() && Caret().RowSelect()) {
        StartRowSelection(place.row);
    } else {
        CaretUpdatePair pair(*this);
        SetRowCol(place.row, place.col);
        StartSelection();
    }
    leftHeld_ = true;
}

void TCustomEditor::MouseMove(int x, int y, ShiftState shift) {
    if (leftHeld_ && !shift.left)
        EndLeftPress(); // the release went elsewhere (a popup took the mouse)
    if (leftHeld_) {
        RowCol place = PosToRowCol(x, y, true);
        // Above the text area the view scrolls up a row per mouse message.
        if (y < Margin().Top())
            place.row = std::max(0, place.row - 1);
        if (rowSel_.active) {
            MoveRowSelection(place.row);
            return;
        }
        SetRowCol(place.row, place.col);
        // A small wobble of a click does not select yet.
        if (Selected() || PastDragThreshold(x, y))
            ExtendSelection();
        return;
    }
    switch (dragState_) {
    case DragState::Armed:
        if (PastDragThreshold(x, y)) {
            dragState_ = DragState::Dragging;
            SetDragging(true);
            ApplyCursorKind(shift.ctrl ? CursorKind::DragCopy : CursorKind::Drag);
        }
        return;
    case DragState::Dragging: {
        // The caret shows where the text would go.
        RowCol place = PosToRowCol(x, y, false);
        if (y < Margin().Top())
            place.row = std::max(0, place.row - 1);
        SetRowCol(place.row, place.col);
        return;
    }
    case DragState::None:
        break;
    }
    if (x < Margin().Left()) {
        ApplyCursorKind(CursorKind::LeftMargin);
        return;
    }
    const RowCol place = PosToRowCol(x, y, true);
    ApplyCursorKind(CanSelMove() && PosInSelection(place.row, place.col) ? CursorKind::InSelection
                                                                         : CursorKind::Default);
}

void TCustomEditor::MouseUp(int x, int y, ShiftState shift) {
    EndLeftPress();
    if (dragState_ == DragState::Dragging) {
        dragState_ = DragState::None;
        SetDragging(false);
        if (!InClientArea(x, y) || PosInSelection(Row(), Col()))
            CleanSelection();
        else if (shift.ctrl)
            DropCopy(Row(), Col());
        else
            DropMove(Row(), Col());
    } else if (dragState_ == DragState::Armed) {
        // Not moved far enough: a click inside the selection clears it and
        // leaves the caret where it was pressed.
        CancelDrag(false);
    }
}

bool TCustomEditor::DoubleClick() {
    if (dragState_ != DragState::None)
        return false;
    EndLeftPress();
    return true;
}

void TCustomEditor::EndLeftPress() {
    leftHeld_ = false;
    rowSel_.active = false;
}

void TCustomEditor::CancelDrag(bool byEscape) {
    dragState_ = DragState::None;
    SetDragging(false);
    if (byEscape && Caret().AutoCursor())
        host_.SetMouseCursor(Caret().Cursors().DefaultCursor());
    else
        ApplyCursorKind(CursorKind::Default);
    CleanSelection();
}

bool TCustomEditor::PastDragThreshold(int x, int y) const {
    const int threshold = CharWidth() / 2;
    return std::abs(x - pressX_) >= threshold || std::abs(y - pressY_) >= threshold;
}

void TCustomEditor::ApplyCursorKind(CursorKind kind) {
    if (kind == cursorKind_ || !Caret().AutoCursor())
        return;
    cursorKind_ = kind;
    const TEditorCursors& cursors = Caret().Cursors();
    switch (kind) {
    case CursorKind::Default:
        host_.SetMouseCursor(cursors.DefaultCursor());
        break;
    case CursorKind::LeftMargin:
        host_.SetMouseCursor(cursors.LeftMarginCursor());
        break;
    case CursorKind::InSelection:
        host_.SetMouseCursor(cursors.InSelCursor());
        break;
    case CursorKind::Drag:
        host_.SetMouseCursor(cursors.DragSelCursor());
        break;
    case CursorKind::DragCopy:
        host_.SetMouseCursor(cursors.DragSelCopyCursor());
        break;
    }
}

bool TCustomEditor::InClientArea(int x, int y) const {
    const TScrollStyle bars = ScrollBars();
    const bool vertical = bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth;
    const bool horizontal = bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth;
    const int width = host_.ControlWidth() - (vertical ? host_.ScrollBarExtent() : 0);
    const int height = host_.ControlHeight() - (horizontal ? host_.ScrollBarExtent() : 0);
    return x >= 0 && y >= 0 && x < width && y < height;
}

// ---- row selection in the left margin ---------------------------------------------

bool TCustomEditor::IsOpenLastRow(int row) const {
    return row >= 0 && row < RowCount() && GetRowEndKind(row) == RowEndKind::OpenLast;
}

// The virtual row after the text can be selected (it is empty), except
// after an open last row, where there is none.
int TCustomEditor::LimitSelectionRow(int row) const {
    row = std::clamp(row, 0, RowCount());
    if (row == RowCount() && IsOpenLastRow(row - 1))
        --row;
    return row;
}

void TCustomEditor::AnchorAtRowStart(int row) {
    SetRowCol(row, 0);
    StartSelection();
}

// The row with its line break: from its start to the start of the next row;
// an open last row from its end back to its start, so that dragging up keeps
// all of it.
void TCustomEditor::StartRowSelection(int row) {
    CaretUpdatePair pair(*this);
    row = LimitSelectionRow(row);
    if (IsOpenLastRow(row)) {
        SetRowCol(row, ExpandedRowLength(row));
        StartSelection();
        SetRowCol(row, 0);
        ExtendSelection();
        rowSel_ = {true, row, row, true};
    } else {
        AnchorAtRowStart(row);
        SetRowCol(row + 1, 0);
        ExtendSelection();
        rowSel_ = {true, row, row + 1, false};
    }
    SetRowCol(row, 0);
}

// The origin row always stays selected: crossing it moves the anchor to the
// side of the origin row away from the pointer.
void TCustomEditor::MoveRowSelection(int row) {
    CaretUpdatePair pair(*this);
    row = LimitSelectionRow(row);
    RowSelection& sel = rowSel_;
    if (row < sel.origin && sel.origin < sel.current) {
        ++sel.origin;
        AnchorAtRowStart(sel.origin);
    } else if (row >= sel.origin && sel.current < sel.origin && !sel.startedOnLast) {
        --sel.origin;
        AnchorAtRowStart(sel.origin);
    }
    if (row < sel.origin)
        SetRowCol(row, 0);
    else if (!IsOpenLastRow(row))
        SetRowCol(row + 1, 0);
    else
        SetRowCol(row, sel.startedOnLast ? 0 : ExpandedRowLength(row));
    sel.current = Row();
    ExtendSelection();
}

// ---- scrolling ---------------------------------------------------------------------

// The vertical thumb can bring the last row up to the top of the view.
int TCustomEditor::MaxTopRow() const {
    return std::max(0, RowCount() + PageRows() - 2);
}

namespace {

// How far a scroll-bar request moves a view whose first visible row or column
// is `current`, clamped to 0 .. `last`; nothing for the end of a scroll.
std::optional<int> ScrollDelta(TCustomEditor::ScrollRequest request, int pos, int current, int page,
                               int last) {
    using Request = TCustomEditor::ScrollRequest;
    int delta = 0;
    switch (request) {
    case Request::LineUp:
        delta = -1;
        break;
    case Request::LineDown:
        delta = 1;
        break;
    case Request::PageUp:
        delta = std::min(-1, -page);
        break;
    case Request::PageDown:
        delta = std::max(1, page);
        break;
    case Request::Top:
        delta = -current;
        break;
    case Request::Bottom:
        delta = last - current;
        break;
    case Request::ThumbPosition:
    case Request::ThumbTrack:
        delta = pos - current;
        break;
    case Request::EndScroll:
        return std::nullopt;
    }
    return std::clamp(delta, -current, last - current);
}

} // namespace

void TCustomEditor::VScroll(ScrollRequest request, int pos) {
    const int top = TopRow();
    const std::optional<int> delta = ScrollDelta(request, pos, top, PageRows(), MaxTopRow());
    if (!delta || *delta == 0)
        return;
    SetTopRow(top + *delta);
    // The caret keeps its place on the screen.
    if (Caret().LockScroll())
        SetRow(Row() + *delta);
}

void TCustomEditor::HScroll(ScrollRequest request, int pos) {
    const int left = TopCol();
    const std::optional<int> delta =
        ScrollDelta(request, pos, left, PageCols(), PageCols() / 2 + kMaxCol);
    if (delta && *delta != 0)
        SetTopCol(left + *delta);
}

// The wheel moves the view only; the caret stays where it is, as in any
// editor, even when it leaves the view.
void TCustomEditor::WheelScroll(int rows, int cols) {
    if (InputBlocked())
        return;
    const int top = TopRow();
    const int rowDelta = std::clamp(rows, -top, MaxTopRow() - top);
    if (rowDelta != 0)
        SetTopRow(top + rowDelta);
    const int left = TopCol();
    const int colDelta = std::clamp(cols, -left, PageCols() / 2 + kMaxCol - left);
    if (colDelta != 0)
        SetTopCol(left + colDelta);
}

} // namespace mojiro
