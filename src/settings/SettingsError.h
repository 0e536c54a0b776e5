// The ways the settings store can refuse an operation, each with the message
// the windows show in a message box.
#pragma once

#include <stdexcept>
#include <string>

namespace mojiro {

enum class SettingsErrorKind {
    CreateSection, // a section (or the root) could not be created
    WriteValue,    // a value could not be written or deleted
    ReadValue,     // the store exists but could not be read
    ValueType,     // a value read as text is stored as binary
};

// what() is the user-facing message in CP932, with the section or value name
// in place.
class SettingsError : public std::runtime_error {
public:
    SettingsError(SettingsErrorKind kind, const std::string& name);

    [[nodiscard]] SettingsErrorKind Kind() const { return kind_; }
    // The section or value name the message names.
    [[nodiscard]] const std::string& Name() const { return name_; }

private:
    SettingsErrorKind kind_;
    std::string name_;
};

} // namespace mojiro
