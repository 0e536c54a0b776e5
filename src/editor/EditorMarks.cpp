#include "editor/EditorMarks.h"

namespace mojiro {

void TEditorMark::Assign(const TEditorMark& source) {
    color_ = source.color_;
    visible_ = source.visible_;
    Changed();
}

void TEditorMark::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TEditorMark::SetVisible(bool value) {
    if (visible_ == value)
        return;
    visible_ = value;
    Changed();
}

TEditorMarks::TEditorMarks() {
    auto toOwner = [this](TNotifyPersistent* sender) { ChildChanged(sender); };
    eofMark_.SetOnChange(toOwner);
    retMark_.SetOnChange(toOwner);
    underline_.SetOnChange(toOwner);
}

void TEditorMarks::Assign(const TEditorMarks& source) {
    BeginUpdate();
    eofMark_.Assign(source.eofMark_);
    retMark_.Assign(source.retMark_);
    underline_.Assign(source.underline_);
    EndUpdate();
}

} // namespace mojiro
