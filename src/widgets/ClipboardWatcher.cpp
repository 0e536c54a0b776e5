#include "widgets/ClipboardWatcher.h"

#include <QClipboard>
#include <QGuiApplication>

namespace mojiro {

TClipboardWatcher::TClipboardWatcher(QObject* parent) : QObject(parent) {}

TClipboardWatcher::~TClipboardWatcher() {
    SetEnabled(false);
}

void TClipboardWatcher::SetEnabled(bool value) {
    enabled_ = value;
    UpdateJoined();
}

void TClipboardWatcher::SetOnChange(ChangeEvent handler) {
    onChange_ = std::move(handler);
    UpdateJoined();
}

void TClipboardWatcher::UpdateJoined() {
    const bool wanted = enabled_ && static_cast<bool>(onChange_);
    if (wanted == Joined())
        return;
    if (wanted) {
        connection_ = connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                              [this] { Change(); });
    } else {
        disconnect(connection_);
        connection_ = {};
    }
}

void TClipboardWatcher::Change() {
    if (onChange_)
        onChange_(this);
}

} // namespace mojiro
