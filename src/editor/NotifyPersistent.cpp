#include "editor/NotifyPersistent.h"

#include <utility>

namespace mojiro {

TNotifyPersistent::~TNotifyPersistent() = default;

void TNotifyPersistent::SetOnChange(ChangeHandler h) {
    onChange_ = std::move(h);
}

void TNotifyPersistent::BeginUpdate() {
    ++updateDepth_;
}

void TNotifyPersistent::EndUpdate() {
    // An unmatched EndUpdate must not drive the depth negative: that would
    // silence every later change of the object for good.
    if (updateDepth_ > 0)
        --updateDepth_;
    Changed();
}

void TNotifyPersistent::Changed() {
    if (updateDepth_ == 0 && onChange_)
        onChange_(this);
}

void TNotifyPersistent::ChildChanged(TNotifyPersistent* sender) {
    if (sender != this)
        Changed();
}

} // namespace mojiro
