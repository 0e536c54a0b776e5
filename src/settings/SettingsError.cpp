#include "settings/SettingsError.h"

namespace mojiro {

namespace {

std::string Message(SettingsErrorKind kind, const std::string& name) {
    switch (kind) {
    case SettingsErrorKind::CreateSection: // ｷｰ %s の作成に失敗しました
        return "\xB7\xB0 " + name +
               " \x82\xCC\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";
    case SettingsErrorKind::WriteValue: // '%s' の設定に失敗しました
        return "'" + name +
               "' \x82\xCC\x90\xDD\x92\xE8\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";
    case SettingsErrorKind::ReadValue: // '%s' の取得に失敗しました
        return "'" + name +
               "' \x82\xCC\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";
    case SettingsErrorKind::ValueType: // '%s' のﾃﾞｰﾀ型が不正です
        return "'" + name +
               "' \x82\xCC\xC3\xDE\xB0\xC0\x8C\x5E\x82\xAA\x95\x73\x90\xB3\x82\xC5\x82\xB7";
    }
    return name;
}

} // namespace

SettingsError::SettingsError(SettingsErrorKind kind, const std::string& name)
    : std::runtime_error(Message(kind, name)), kind_(kind), name_(name) {}

} // namespace mojiro
