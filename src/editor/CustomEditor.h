// TCustomEditor: the editor view without its window. It holds the caret, the
// scroll position and the selection of one view of a document, and performs
// every caret movement, selection and edit; the platform services it needs
// (metrics, system caret, clipboard, repainting) come through EditorHost.
// The Qt control TEditor derives from it and supplies the host.
#pragma once

#include "editor/ColumnClasses.h"
#include "editor/EditorCaret.h"
#include "editor/EditorFont.h"
#include "editor/EditorHost.h"
#include "editor/EditorMargin.h"
#include "editor/EditorMarks.h"
#include "editor/EditorParser.h"
#include "editor/EditorStrings.h"
#include "editor/EditorViewInfo.h"
#include "editor/ReserveWordList.h"
#include "editor/ScreenStrings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class TCustomEditor;

using TNotifyEvent = std::function<void(TCustomEditor* sender)>;
using TSelectionChangeEvent = std::function<void(TCustomEditor* sender, bool selected)>;

enum class TEditorSelectionMode { smStream = 0, smBox = 1 };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// How the input method is set when the control gets the focus: hiragana
// opens it for Japanese text, don't-care leaves it as the system has it.
enum class TImeMode { imDontCare, imHira };

// Row and display column of a place; a negative row means "none".
struct RowCol {
    int row = 0;
    int col = 0;
    bool operator==(const RowCol&) const = default;
};

// Row and byte offset of a character; row -1 when there is none.
struct RowOffset {
    int row = -1;
    int offset = -1;
};

// The token under a point (empty text and tkEnd when none).
struct TokenAtPosResult {
    std::string text;
    TokenKind kind = TokenKind::tkEnd;
};

// One entry of the remainder of a selection: the text left of a row (or of
// the rows of a stream selection) once the selection is cut out.
struct RemainderEntry {
    std::string text;
    RowEndKind kind = RowEndKind::LineEnd;
    int insertIndex = 1; // 1-based byte index where the selection was
};
using RemainderList = std::vector<RemainderEntry>;

// Win32 edit-control messages answered by Perform.
namespace messages {
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CLEAR = 0x0303;
constexpr unsigned EM_GETSEL = 0x00B0;
constexpr unsigned EM_SETSEL = 0x00B1;
constexpr unsigned EM_SCROLLCARET = 0x00B7;
constexpr unsigned EM_GETMODIFY = 0x00B8;
constexpr unsigned EM_SETMODIFY = 0x00B9;
constexpr unsigned EM_GETLINECOUNT = 0x00BA;
constexpr unsigned EM_LINEINDEX = 0x00BB;
constexpr unsigned EM_LINELENGTH = 0x00C1;
constexpr unsigned EM_REPLACESEL = 0x00C2;
constexpr unsigned EM_GETLINE = 0x00C4;
constexpr unsigned EM_CANUNDO = 0x00C6;
constexpr unsigned EM_UNDO = 0x00C7;
constexpr unsigned EM_LINEFROMCHAR = 0x00C9;
constexpr unsigned EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr unsigned EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr unsigned EM_SETREADONLY = 0x00CF;
constexpr unsigned EM_POSFROMCHAR = 0x00D6;
constexpr unsigned EM_CHARFROMPOS = 0x00D7;
} // namespace messages

// The 32-bit packing of two 16-bit values used by the edit-control messages.
constexpr std::int64_t MakeLong(std::int64_t low, std::int64_t high) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}

class TCustomEditor : public EditorViewLink {
public:
    // The constructor must not call the host: a control that is its own host
    // is not constructed yet. The host calls InitFontMetrics once it is.
    explicit TCustomEditor(EditorHost& host);
    ~TCustomEditor() override;
    TCustomEditor(const TCustomEditor&) = delete;
    TCustomEditor& operator=(const TCustomEditor&) = delete;

    // ---- options and document ----------------------------------------
    [[nodiscard]] TEditorCaret& Caret() { return caret_; }
    [[nodiscard]] TEditorMarks& Marks() { return marks_; }
    [[nodiscard]] TEditorMargin& Margin() { return margin_; }
    [[nodiscard]] TEditorViewInfo& View() { return view_; }
    [[nodiscard]] const TEditorCaret& Caret() const { return caret_; }
    [[nodiscard]] const TEditorMargin& Margin() const { return margin_; }
    [[nodiscard]] const TEditorViewInfo& View() const { return view_; }
    [[nodiscard]] TEditorStrings& Lines() { return *lines_; }
    [[nodiscard]] TEditorScreenStrings& ListInfo() { return *rows_; }
    [[nodiscard]] const TEditorScreenStrings& ListInfo() const { return *rows_; }
    [[nodiscard]] ReserveWordList& ReserveWords() { return reserveWords_; }
    [[nodiscard]] bool WordWrap() const { return rows_->WordWrap(); }
    void SetWordWrap(bool value) { rows_->SetWordWrap(value); }
    [[nodiscard]] TEditorWrapOption& WrapOption() { return rows_->WrapOption(); }
    void SetWrapOption(const TEditorWrapOption& value) { rows_->WrapOption().Assign(value); }
    [[nodiscard]] TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    [[nodiscard]] bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    [[nodiscard]] bool Overwrite() const { return overwrite_; }
    void SetOverwrite(bool value);
    [[nodiscard]] bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    [[nodiscard]] bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    [[nodiscard]] TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value) { imeMode_ = value; }
    // Share another view's document (split view); each keeps its own caret.
    virtual void AttachTo(TCustomEditor& other);
    // Drag-move in progress: mode and read-only changes wait (set by input).
    void SetDragging(bool value) { dragging_ = value; }
    [[nodiscard]] bool Dragging() const { return dragging_; }

    // ---- rows and metrics --------------------------------------------------
    [[nodiscard]] int RowCount() const { return rows_->Count(); }
    [[nodiscard]] std::string RowString(int row) const;
    [[nodiscard]] RowEndKind GetRowEndKind(int row) const;
    [[nodiscard]] std::string ColumnClassesOf(std::string_view text) const;
    [[nodiscard]] std::string ExpandTabsOf(std::string_view text) const;
    [[nodiscard]] std::string ExpandedRowString(int row) const;
    [[nodiscard]] int ExpandedRowLength(int row) const;
    [[nodiscard]] int RowHeight() const { return rowHeight_; }
    [[nodiscard]] int CharWidth() const { return charWidth_; }
    [[nodiscard]] int FontHeightMetric() const { return fontHeight_; }
    [[nodiscard]] int PageRows() const { return pageRows_; }
    [[nodiscard]] int PageCols() const { return pageCols_; }
    // Recomputes the metrics from the host (font, margins, size, scroll bars).
    void InitFontMetrics();

    // ---- positions: the coordinate model -------------------------------
    [[nodiscard]] RowCol PosToRowCol(int x, int y, bool round) const;
    [[nodiscard]] RowOffset PosToRowOffset(int x, int y) const;
    [[nodiscard]] std::ptrdiff_t CharIndexFromPos(int x, int y) const;
    [[nodiscard]] std::ptrdiff_t LineOffsetFromRowCol(int row, int col) const;
    [[nodiscard]] int RowToLine(int row) const;
    [[nodiscard]] std::ptrdiff_t RowColToCharIndex(int firstRow, int row, int col) const;
    // Byte offset of a display column in a row (not clipped), and back.
    [[nodiscard]] int ColToOffset(int row, int col) const;
    [[nodiscard]] int OffsetToCol(int row, int offset) const;
    struct Point {
        int x = 0;
        int y = 0;
    };
    [[nodiscard]] virtual Point CaretPixelPos() const;

    // ---- caret -----------------------------------------------------------
    [[nodiscard]] int Row() const override { return row_; }
    [[nodiscard]] int Col() const override { return col_; }
    void SetRow(int row) override;
    void SetCol(int col) override;
    void SetRowCol(int row, int col);
    void SetCaretByCharIndex(int firstRow, std::ptrdiff_t index) override;
    void CaretBeginUpdate() override;
    void CaretEndUpdate() override;
    void UpdateCaret();
    void ScrollToCaret();
    [[nodiscard]] int CaretHideCount() const { return caretHideCount_; }
    [[nodiscard]] bool CaretShown() const { return caretShown_; }
    // Key repeat state (bit 30 of a key-down), and a pending IME position.
    void SetKeyRepeat(bool value) { keyRepeat_ = value; }
    void ApplyPendingImePosition();
    // Focus arrives or leaves: the system caret exists only while focused.
    void FocusIn();
    void FocusOut();

    // Movement commands.
    void MoveLeft();
    void MoveRight();
    void MoveUp();
    void MoveDown();
    void ScrollUpKeepCaret();   // Ctrl+Up
    void ScrollDownKeepCaret(); // Ctrl+Down
    void MoveHome();
    void MoveDocumentHome(); // Ctrl+Home
    void MoveEnd();
    void MoveDocumentEnd(); // Ctrl+End
    void MoveWordLeft();
    void MoveWordRight();
    void MovePage(int delta);
    // Word movement from (row, col); returns whether the place changed.
    bool WordMove(int& row, int& col, int direction) const;

    // ---- scrolling -----------------------------------------------------------
    [[nodiscard]] int TopRow() const override { return topRow_; }
    [[nodiscard]] int TopCol() const { return topCol_; }
    void SetTopRow(int row);
    void SetTopCol(int col);
    virtual void UpdateScrollInfo();

    // ---- selection ------------------------------------------------------------
    [[nodiscard]] bool Selected() const { return selectionState_ == 2; }
    [[nodiscard]] int SelectionState() const { return selectionState_; }
    [[nodiscard]] TEditorSelectionMode SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(TEditorSelectionMode mode);
    [[nodiscard]] std::ptrdiff_t SelStart() const;
    [[nodiscard]] std::ptrdiff_t SelLength() const;
    [[nodiscard]] std::string SelText() const;
    void SetSelStart(std::ptrdiff_t index);
    void SetSelLength(std::ptrdiff_t length);
    void SelectAll();
    void StartSelection();
    void ExtendSelection();
    void CleanSelection() override;
    [[nodiscard]] virtual TokenAtPosResult TokenAtPos(int x, int y, bool withView) const;
    virtual void SelectTokenAtPos(int x, int y, bool withView);
    [[nodiscard]] bool PosInSelection(int row, int col) const;
    [[nodiscard]] RemainderList SelectionRemainder() const;
    [[nodiscard]] static std::string RemainderText(const RemainderList& list);
    // The selection as bytes and as highlighted cells.
    struct ByteSelection {
        int startRow = 0, endRow = 0, startOffset = 0, endOffset = 0;
    };
    struct DisplaySelection {
        int startRow = 0, endRow = 0, startCol = 0, endCol = 0;
        bool operator==(const DisplaySelection&) const = default;
    };
    [[nodiscard]] const ByteSelection& SelectionBytes() const { return byteSel_; }
    [[nodiscard]] const DisplaySelection& SelectionDisplay() const { return displaySel_; }
    // First and last byte index (1-based) of a row inside box columns
    // start..end-1; last < first when the row has nothing inside.
    void BoxPart(int row, int startCol, int endCol, int& first, int& last) const;

    // ---- editing -----------------------------------------------------------------
    void SetSelText(std::string_view text) { SetSelTextBuf(text); }
    void SetSelTextBuf(std::string_view text);
    void DeleteSelection();
    void InsertText(std::string_view text);
    void BoxPaste(std::string_view text);
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // The editing keys as operations (Backspace, Delete, Enter, Tab, a typed
    // byte); each tests ReadOnly itself.
    void KeyBackspace();
    void KeyDelete();
    void KeyEnter();
    void KeyTab();
    void KeyChar(unsigned char ch);
    void DropMove(int row, int col);
    virtual void DropCopy(int row, int col);
    [[nodiscard]] bool CanSelMove() const;
    virtual void Undo();
    virtual void Redo();
    [[nodiscard]] virtual bool CanUndo() const { return rows_->UndoObj().CanUndo(); }
    [[nodiscard]] virtual bool CanRedo() const { return rows_->UndoObj().CanRedo(); }
    [[nodiscard]] int UndoListMax() const { return rows_->UndoObj().UndoListMax(); }
    void SetUndoListMax(int value) { rows_->UndoObj().SetUndoListMax(value); }
    [[nodiscard]] std::ptrdiff_t TextLength() const { return rows_->TextLength(); }
    void Clear() { Lines().Clear(); }

    // The edit-control messages with their Win32 numbers; pointers travel in
    // wParam/lParam as integers, as they do in a window message.
    std::int64_t Perform(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // ---- events ------------------------------------------------------------------
    TNotifyEvent OnChange;
    TNotifyEvent OnCaretMoved;
    TSelectionChangeEvent OnSelectionChange;
    TNotifyEvent OnSelectionModeChange;
    TNotifyEvent OnTopRowChange;
    TNotifyEvent OnTopColChange;

    // ---- EditorViewLink ------------------------------------------------------------
    [[nodiscard]] bool HasFocus() const override { return host_.HasFocus(); }
    [[nodiscard]] bool IsLoadingProperties() const override { return loading_; }
    [[nodiscard]] int TabSpaceCount() const override { return caret_.TabSpaceCount(); }
    [[nodiscard]] const Delimiters& DelimiterSet() const override { return delimiters_; }
    [[nodiscard]] const TEditorViewInfo& ViewInfo() const override { return view_; }
    [[nodiscard]] int ScreenRows() const override;
    void RowListChanged() override;
    void ClampToRowCount() override;
    void RepaintRow(int row) override;
    void RowListRefolded() override;
    void ResetCaret() override;

    // Property loading: folding and scanning wait until it ends.
    void BeginLoading() { loading_ = true; }
    void EndLoading();

    // ---- font and colour (property set) ----
    // Descriptions only: the control makes them its drawing font and colours
    // in FontOrColorChanged. The const accessors serve code that copies the
    // editor's properties without changing it.
    [[nodiscard]] const TEditorFont& Font() const;
    void SetFont(const TEditorFont& font);
    [[nodiscard]] TColor Color() const;
    void SetColor(TColor color);
    [[nodiscard]] const TEditorMarks& Marks() const { return marks_; }
    [[nodiscard]] const TEditorWrapOption& WrapOption() const { return rows_->WrapOption(); }
    [[nodiscard]] const ReserveWordList& ReserveWords() const { return reserveWords_; }

    // ---- input -------------------------------------------------------------------
    // Keys, characters, input-method text, the mouse and the scroll bars as
    // the window delivers them; x and y are client pixels.
    // Modifier keys (and the left button) held with a key or mouse message.
    struct ShiftState {
        bool shift = false;
        bool ctrl = false;
        bool alt = false;
        bool left = false;
    };
    // A scroll bar's request; on the horizontal bar "up" is left and "top" is
    // the left end.
    enum class ScrollRequest {
        LineUp,
        LineDown,
        PageUp,
        PageDown,
        ThumbPosition,
        ThumbTrack,
        Top,
        Bottom,
        EndScroll
    };
    // Dragging the selection: pressed inside it but not moved yet, or moving.
    enum class DragState { None, Armed, Dragging };
    // The mouse cursor last applied, one per Caret.Cursors entry.
    enum class CursorKind { Default, LeftMargin, InSelection, Drag, DragCopy };
    // Whether the platform also sends the text of an input-method result as
    // character messages, which must then be discarded.
    enum class ImeEcho { CharactersFollow, None };

    // A key pressed (vk: a VK_ code); returns whether the control acted on it.
    bool KeyDown(int vk, ShiftState shift, bool repeat = false);
    void KeyUp(int vk, ShiftState shift);
    // A typed character byte; returns whether it was taken (acted on, or
    // discarded as an echo of input-method text or during a mouse press).
    bool KeyPress(unsigned char ch, ShiftState shift);
    bool KeyPress(unsigned char ch) { return KeyPress(ch, ShiftState{}); }
    // The text an input method composed (CP932).
    void ImeResult(std::string_view cp932, ImeEcho echo = ImeEcho::CharactersFollow);
    // The left button; MouseMove also comes without it.
    void MouseDown(int x, int y, ShiftState shift);
    void MouseMove(int x, int y, ShiftState shift);
    void MouseUp(int x, int y, ShiftState shift);
    // A double-click; returns false when it is discarded (a drag of the
    // selection is under way). It ends the press it came with, so that the
    // host's token selection is not extended by a wobble of the mouse.
    bool DoubleClick();
    // The mouse wheel: rows down (negative: up) and columns right.
    void WheelScroll(int rows, int cols);
    void VScroll(ScrollRequest request, int pos = 0);
    void HScroll(ScrollRequest request, int pos = 0);
    [[nodiscard]] int MaxTopRow() const;
    [[nodiscard]] DragState GetDragState() const { return dragState_; }
    [[nodiscard]] bool RowSelecting() const { return rowSel_.active; }
    [[nodiscard]] CursorKind GetCursorKind() const { return cursorKind_; }
    [[nodiscard]] int ImeSwallowCount() const { return imeSwallowCount_; }
    // A drag is armed or running, or the left button is held: characters,
    // other buttons, double-clicks and the wheel are discarded.
    [[nodiscard]] bool InputBlocked() const { return dragState_ != DragState::None || leftHeld_; }

protected:
    // Raises the host's key-press handler, which may replace the character
    // or consume it (0).
    virtual void DoKeyPress(unsigned char& ch) { (void)ch; }
    // Whether a client point lies inside the client area; a drop outside it
    // only clears the selection.
    [[nodiscard]] virtual bool InClientArea(int x, int y) const;
    // ---- end input ----

protected:
    virtual void GetDelimiters(Delimiters& delimiters);
    virtual void DoSelectionChange(bool selected);
    virtual void DoSelectionModeChange();
    virtual void DoTopRowChange();
    virtual void DoTopColChange();
    virtual void OptionChanged(TNotifyPersistent* sender);
    // Hide and show the caret-row underline (drawn by the painter).
    virtual void HideUnderline() { ++underlineHideCount_; }
    virtual void ShowUnderline() {
        if (underlineHideCount_ > 0)
            --underlineHideCount_;
    }
    [[nodiscard]] int UnderlineHideCount() const { return underlineHideCount_; }
    [[nodiscard]] EditorHost& Host() { return host_; }
    // The font or the background colour took a new value.
    virtual void FontOrColorChanged() {}

    // ---- painting ----
    // Moves the view's rows from `row` down to its bottom by `rows` rows (down
    // when positive) and repaints the strip this uncovers. Without a window
    // that can move its pixels, those rows are repainted.
    virtual void ScrollRowsBelow(int row, int rows);
    // Repaints display columns startCol..endCol-1 of a row (to the right edge
    // for kRightEdge); without cell-exact repainting, the whole row.
    virtual void InvalidateSpan(int row, int startCol, int endCol);

private:
    void AdjustCol(bool rowChanged, int direction);
    void Remember(int col, bool rowChanged);
    void UpdateSelection();
    void RepaintSelectionChange(const DisplaySelection& before);
    void CreateCaretShape();
    void SetImeWindow();
    enum class ViewAxis { Rows, Cols };
    void MoveView(ViewAxis axis, int first);
    // Read-only controls take no text, and empty text only deletes the
    // selection; true when the caller has nothing left to do.
    bool TakesNoText(std::string_view text);
    void ReplaceAndPlace(int startRow, int count, const std::string& text, int firstRow,
                         std::ptrdiff_t caretIndex);
    [[nodiscard]] int CaretTargetFirstRow(int row) const;
    [[nodiscard]] int MaxCaretRow() const;

    EditorHost& host_;
    TEditorCaret caret_;
    TEditorMarks marks_;
    TEditorMargin margin_;
    TEditorViewInfo view_;
    ReserveWordList reserveWords_;
    Delimiters delimiters_;
    // The document, shared by every view attached to it; the last view to
    // let go destroys it.
    std::shared_ptr<TEditorScreenStrings> rows_;
    std::unique_ptr<TEditorStrings> lines_;

    // Caret and view state.
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
    int topCol_ = 0;
    int rememberedCol_ = 0;
    bool remembered_ = false;
    bool suppressCaretUpdate_ = false;
    int caretHideCount_ = 0;
    bool caretShown_ = false;
    bool keyRepeat_ = false;
    bool imePositionPending_ = false;
    bool overwrite_ = false;
    int underlineHideCount_ = 0;

    // Metrics.
    int fontHeight_ = 0;
    int charWidth_ = 0;
    int rowHeight_ = 0;
    int pageRows_ = 0;
    int pageCols_ = 0;

    // Selection.
    int selectionState_ = 0; // none, anchored, active
    TEditorSelectionMode selectionMode_ = TEditorSelectionMode::smStream;
    int anchorRow_ = 0;
    int anchorOffset_ = 0;
    int anchorCol_ = 0;
    ByteSelection byteSel_;
    DisplaySelection displaySel_;
    DisplaySelection previousDisplaySel_;

    // Input and editing state.
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool readOnly_ = false;
    bool modified_ = false;
    bool wantTabs_ = true;
    bool wantReturns_ = true;
    TImeMode imeMode_ = TImeMode::imDontCare;
    bool dragging_ = false;
    bool loading_ = false;

    // ---- caret and view helpers (added by the caret implementation) ----
    // The system caret and the input method are only touched while the
    // control has a window and the focus.
    [[nodiscard]] bool CaretActive() const;
    [[nodiscard]] bool CaretInView() const;
    [[nodiscard]] TabRule Tabs() const;
    // A row's bytes without a copy (empty outside the list); valid until the
    // row list next changes.
    [[nodiscard]] std::string_view StoredRowBytes(int row) const;
    // Moves the system caret and the IME window and raises OnCaretMoved.
    void PlaceCaret();
    void ShowCaretIfAllowed();
    // Metrics (with a window), scroll ranges and a full repaint.
    void RefreshView();
    // The top row or column was moved by a clamp rather than by scrolling.
    void TopMovedByClamp(int oldTopRow, int oldTopCol);

    // ---- font and colour (property set) ----
    TEditorFont font_;
    TColor color_ = clWindow;

    // ---- input -------------------------------------------------------------------
    void CancelDrag(bool byEscape);
    void ApplyCursorKind(CursorKind kind);
    [[nodiscard]] bool PastDragThreshold(int x, int y) const;
    [[nodiscard]] bool IsOpenLastRow(int row) const;
    [[nodiscard]] int LimitSelectionRow(int row) const;
    void StartRowSelection(int row);
    void MoveRowSelection(int row);
    void AnchorAtRowStart(int row);
    void EndLeftPress();

    int pressX_ = 0;
    int pressY_ = 0;
    DragState dragState_ = DragState::None;
    bool leftHeld_ = false;
    // Clicking and dragging in the left margin selects whole rows.
    struct RowSelection {
        bool active = false;
        int origin = 0;
        int current = 0;
        bool startedOnLast = false; // began on an open last row
    };
    RowSelection rowSel_;
    int imeSwallowCount_ = 0;
    CursorKind cursorKind_ = CursorKind::Default;
    // ---- end input ----
};

} // namespace mojiro
