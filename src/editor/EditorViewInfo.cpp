#include "editor/EditorViewInfo.h"

#include <utility>

namespace mojiro {

TEditorViewInfo::TEditorViewInfo() {
    auto toOwner = [this](TNotifyPersistent* sender) { ChildChanged(sender); };
    brackets_.SetOnChange(toOwner);
    colors_.SetOnChange(toOwner);
}

void TEditorViewInfo::Assign(const TEditorViewInfo& source) {
    BeginUpdate();
    brackets_.Assign(source.brackets_);
    colors_.Assign(source.colors_);
    commenter_ = source.commenter_;
    controlCode_ = source.controlCode_;
    hexPrefix_ = source.hexPrefix_;
    mail_ = source.mail_;
    quotation_ = source.quotation_;
    url_ = source.url_;
    EndUpdate();
}

template <typename T> void TEditorViewInfo::Store(T& field, T value) {
    if (field == value)
        return;
    field = std::move(value);
    Changed();
}

void TEditorViewInfo::SetCommenter(std::string value) {
    Store(commenter_, std::move(value));
}
void TEditorViewInfo::SetControlCode(bool value) {
    Store(controlCode_, value);
}
void TEditorViewInfo::SetHexPrefix(std::string value) {
    Store(hexPrefix_, std::move(value));
}
void TEditorViewInfo::SetMail(bool value) {
    Store(mail_, value);
}
void TEditorViewInfo::SetUrl(bool value) {
    Store(url_, value);
}

void TEditorViewInfo::SetQuotation(std::string value) {
    if (value.size() > 1)
        value.resize(1);
    Store(quotation_, std::move(value));
}

} // namespace mojiro
