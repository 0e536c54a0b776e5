// TClipboardWatcher: tells its owner about every change of the system
// clipboard, whichever program made it. It listens exactly while it is
// enabled and has a handler, so a window can stop listening at close by
// clearing Enabled.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>

namespace mojiro {

class TClipboardWatcher : public QObject {
    Q_OBJECT

public:
    using ChangeEvent = std::function<void(TClipboardWatcher* sender)>;

    explicit TClipboardWatcher(QObject* parent = nullptr);
    ~TClipboardWatcher() override;

    [[nodiscard]] bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    [[nodiscard]] const ChangeEvent& OnChange() const { return onChange_; }
    void SetOnChange(ChangeEvent handler);
    // Whether the watcher listens to the clipboard now.
    [[nodiscard]] bool Joined() const { return static_cast<bool>(connection_); }

protected:
    // Raises OnChange.
    virtual void Change();

private:
    void UpdateJoined();

    bool enabled_ = true;
    ChangeEvent onChange_;
    QMetaObject::Connection connection_;
};

} // namespace mojiro
