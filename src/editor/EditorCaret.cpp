#include "editor/EditorCaret.h"

#include <algorithm>

namespace mojiro {

void TEditorCursors::Assign(const TEditorCursors& source) {
    defaultCursor_ = source.defaultCursor_;
    dragSelCursor_ = source.dragSelCursor_;
    dragSelCopyCursor_ = source.dragSelCopyCursor_;
    inSelCursor_ = source.inSelCursor_;
    leftMarginCursor_ = source.leftMarginCursor_;
}

void TEditorCaret::Assign(const TEditorCaret& source) {
    BeginUpdate();
    autoCursor_ = source.autoCursor_;
    autoIndent_ = source.autoIndent_;
    cursors_.Assign(source.cursors_);
    freeCaret_ = source.freeCaret_;
    inTab_ = source.inTab_;
    keepCaret_ = source.keepCaret_;
    lockScroll_ = source.lockScroll_;
    nextLine_ = source.nextLine_;
    prevSpaceIndent_ = source.prevSpaceIndent_;
    rowSelect_ = source.rowSelect_;
    selDragMode_ = source.selDragMode_;
    selMove_ = source.selMove_;
    softTab_ = source.softTab_;
    style_ = source.style_;
    tabIndent_ = source.tabIndent_;
    tabSpaceCount_ = source.tabSpaceCount_;
    EndUpdate();
}

void TEditorCaret::SetStyle(TEditorCaretStyle value) {
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TEditorCaret::SetTabSpaceCount(int value) {
    value = std::clamp(value, 2, 8);
    value -= value % 2;
    if (tabSpaceCount_ == value)
        return;
    tabSpaceCount_ = value;
    Changed();
}

} // namespace mojiro
