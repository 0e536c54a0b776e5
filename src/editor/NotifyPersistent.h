// Base of the editor's option objects: an update depth and a change handler,
// so that a change anywhere in a tree of options reaches its owner once.
#pragma once

#include <functional>

namespace mojiro {

class TNotifyPersistent {
public:
    using ChangeHandler = std::function<void(TNotifyPersistent* sender)>;

    TNotifyPersistent() = default;
    virtual ~TNotifyPersistent();

    // Owners hold their sub-objects by address (the handlers capture it), so
    // option objects are never copied; Assign copies their values instead.
    TNotifyPersistent(const TNotifyPersistent&) = delete;
    TNotifyPersistent& operator=(const TNotifyPersistent&) = delete;

    void SetOnChange(ChangeHandler h);

    // Changes made between these two are reported once, by EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    [[nodiscard]] int UpdateDepth() const { return updateDepth_; }

    // Reports this object as the sender, unless an update is open.
    virtual void Changed();
    // Called by a sub-object's handler: the owner reports itself in turn.
    virtual void ChildChanged(TNotifyPersistent* sender);

private:
    int updateDepth_ = 0;
    ChangeHandler onChange_;
};

} // namespace mojiro
