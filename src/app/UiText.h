// UI texts: the window's texts are UTF-8 in the source and in std::string,
// Qt's are QString.
#pragma once

#include <QString>
#include <string>

namespace mojiro {

inline QString Ui(const std::string& utf8) {
    return QString::fromUtf8(utf8);
}

inline std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace mojiro
