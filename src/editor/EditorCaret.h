// Caret and editing options of the editor control, with its mouse cursors.
#pragma once

#include "editor/EditorTypes.h"
#include "editor/NotifyPersistent.h"

namespace mojiro {

enum class TDragMode { dmManual, dmAutomatic };
enum class TEditorCaretStyle { csDefault, csBrief };

// The control's mouse cursors. Changing one is never reported: the control
// reads them when the mouse next moves.
class TEditorCursors : public TNotifyPersistent {
public:
    void Assign(const TEditorCursors& source);

    [[nodiscard]] TCursor DefaultCursor() const { return defaultCursor_; }
    void SetDefaultCursor(TCursor value) { defaultCursor_ = value; }
    [[nodiscard]] TCursor DragSelCursor() const { return dragSelCursor_; }
    void SetDragSelCursor(TCursor value) { dragSelCursor_ = value; }
    [[nodiscard]] TCursor DragSelCopyCursor() const { return dragSelCopyCursor_; }
    void SetDragSelCopyCursor(TCursor value) { dragSelCopyCursor_ = value; }
    [[nodiscard]] TCursor InSelCursor() const { return inSelCursor_; }
    void SetInSelCursor(TCursor value) { inSelCursor_ = value; }
    [[nodiscard]] TCursor LeftMarginCursor() const { return leftMarginCursor_; }
    void SetLeftMarginCursor(TCursor value) { leftMarginCursor_ = value; }

private:
    TCursor defaultCursor_ = crIBeam;
    TCursor dragSelCursor_ = crDrag;
    TCursor dragSelCopyCursor_ = crDragSelCopy;
    TCursor inSelCursor_ = crDefault;
    TCursor leftMarginCursor_ = crRightArrow;
};

// Only Style and TabSpaceCount change what is drawn, so only they report; the
// other switches take effect where they are next read.
class TEditorCaret : public TNotifyPersistent {
public:
    void Assign(const TEditorCaret& source);

    [[nodiscard]] bool AutoCursor() const { return autoCursor_; }
    void SetAutoCursor(bool value) { autoCursor_ = value; }
    [[nodiscard]] bool AutoIndent() const { return autoIndent_; }
    void SetAutoIndent(bool value) { autoIndent_ = value; }
    [[nodiscard]] TEditorCursors& Cursors() { return cursors_; }
    [[nodiscard]] const TEditorCursors& Cursors() const { return cursors_; }
    void SetCursors(const TEditorCursors& value) { cursors_.Assign(value); }
    [[nodiscard]] bool FreeCaret() const { return freeCaret_; }
    void SetFreeCaret(bool value) { freeCaret_ = value; }
    [[nodiscard]] bool InTab() const { return inTab_; }
    void SetInTab(bool value) { inTab_ = value; }
    [[nodiscard]] bool KeepCaret() const { return keepCaret_; }
    void SetKeepCaret(bool value) { keepCaret_ = value; }
    [[nodiscard]] bool LockScroll() const { return lockScroll_; }
    void SetLockScroll(bool value) { lockScroll_ = value; }
    [[nodiscard]] bool NextLine() const { return nextLine_; }
    void SetNextLine(bool value) { nextLine_ = value; }
    [[nodiscard]] bool PrevSpaceIndent() const { return prevSpaceIndent_; }
    void SetPrevSpaceIndent(bool value) { prevSpaceIndent_ = value; }
    [[nodiscard]] bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value) { rowSelect_ = value; }
    [[nodiscard]] TDragMode SelDragMode() const { return selDragMode_; }
    void SetSelDragMode(TDragMode value) { selDragMode_ = value; }
    [[nodiscard]] bool SelMove() const { return selMove_; }
    void SetSelMove(bool value) { selMove_ = value; }
    [[nodiscard]] bool SoftTab() const { return softTab_; }
    void SetSoftTab(bool value) { softTab_ = value; }
    [[nodiscard]] TEditorCaretStyle Style() const { return style_; }
    void SetStyle(TEditorCaretStyle value);
    [[nodiscard]] bool TabIndent() const { return tabIndent_; }
    void SetTabIndent(bool value) { tabIndent_ = value; }
    [[nodiscard]] int TabSpaceCount() const { return tabSpaceCount_; }
    // Clamped to 2..8 and made even, so a tab is always whole full-width cells.
    void SetTabSpaceCount(int value);

private:
    bool autoCursor_ = true;
    bool autoIndent_ = true;
    TEditorCursors cursors_;
    bool freeCaret_ = true;
    bool inTab_ = false;
    bool keepCaret_ = false;
    bool lockScroll_ = false;
    bool nextLine_ = false;
    bool prevSpaceIndent_ = false;
    bool rowSelect_ = true;
    TDragMode selDragMode_ = TDragMode::dmAutomatic;
    bool selMove_ = true;
    bool softTab_ = false;
    TEditorCaretStyle style_ = TEditorCaretStyle::csDefault;
    bool tabIndent_ = false;
    int tabSpaceCount_ = 8;
};

} // namespace mojiro
