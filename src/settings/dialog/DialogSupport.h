// Small helpers the pages of the options dialog share.
#pragma once

#include "platform/Cp932Codec.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <string>
#include <string_view>

namespace mojiro::option_dialog {

// CP932 text for the screen.
inline QString Ui(std::string_view cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Screen text as CP932; a character CP932 cannot hold becomes 〓.
inline std::string Cp932(const QString& text) {
    return Utf8ToCp932(text.toStdString()).bytes;
}

inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Keeps the store open for one use when the caller has not opened it.
class OpenStore {
public:
    explicit OpenStore(SettingsStore& store) : store_(store), opened_(!store.IsOpen()) {
        if (opened_) {
            store_.Open();
        }
    }
    ~OpenStore() {
        if (opened_) {
            store_.Close();
        }
    }
    OpenStore(const OpenStore&) = delete;
    OpenStore& operator=(const OpenStore&) = delete;

private:
    SettingsStore& store_;
    bool opened_;
};

} // namespace mojiro::option_dialog
