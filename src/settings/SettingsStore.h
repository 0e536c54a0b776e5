// The per-user settings store, in place of the registry key Software\Mojiro:
// one INI file whose sections and values carry the stored names.
//
// Nothing is cached: every operation reads the file, and every write takes
// the lock, reads the file again, changes the one value it names and replaces
// the file atomically. So instances of the program running side by side see
// each other's writes at once and never lose them, and a reader never sees a
// half-written file. A read never writes.
//
// A store that cannot be read at all, or that refuses a write, throws
// SettingsError with the message for the user. A damaged file is no error:
// what cannot be read in it reads as absent, so the caller's default applies.
#pragma once

#include "settings/SettingsError.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mojiro {

// $XDG_CONFIG_HOME/Mojiro/Mojiro.ini, or ~/.config/Mojiro/Mojiro.ini when the
// variable is unset, empty or not an absolute path.
[[nodiscard]] std::filesystem::path DefaultSettingsPath();

class SettingsStore {
public:
    // The store kept in this file. Its folder is the root: it also holds the
    // lock file and the temporary files of writes.
    explicit SettingsStore(std::filesystem::path file);

    // Opens the root, creating the folder and an empty file when they are
    // missing. Every other operation needs an open store (std::logic_error
    // otherwise), so that a caller that forgets to open is found at once.
    void Open();
    void Close();
    [[nodiscard]] bool IsOpen() const { return open_; }
    [[nodiscard]] const std::filesystem::path& FilePath() const { return file_; }

    // The stored text, or defaultValue when the value is absent or damaged.
    // A binary value throws SettingsError (ValueType).
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view name,
                                         std::string_view defaultValue) const;
    // Creates the section when missing. Empty text is stored, not deleted.
    void WriteString(std::string_view section, std::string_view name, std::string_view text);

    // Decimal or "$" hexadecimal text; absent or unconvertible: defaultValue.
    [[nodiscard]] int ReadInteger(std::string_view section, std::string_view name,
                                  int defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view name, int value);

    // Any nonzero integer is true; stored as "1" or "0".
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view name,
                                bool defaultValue) const;
    void WriteBool(std::string_view section, std::string_view name, bool value);

    // A missing section or value is no error.
    void DeleteValue(std::string_view section, std::string_view name);

    // The bytes of a binary value; nothing when it is absent, damaged or
    // stored as text.
    [[nodiscard]] std::optional<std::string> ReadBinary(std::string_view section,
                                                        std::string_view name) const;
    void WriteBinary(std::string_view section, std::string_view name, std::string_view bytes);

private:
    void RequireOpen() const;
    // The stored form of a value, or nothing.
    [[nodiscard]] std::optional<std::string> ReadStored(std::string_view section,
                                                        std::string_view name) const;
    // Under the lock: reads the file, applies change (which says whether it
    // changed anything) and replaces the file when it did.
    template <typename Change>
    void Update(std::string_view section, std::string_view name, Change change);
    void WriteStored(std::string_view section, std::string_view name, std::string_view stored);

    std::filesystem::path file_;
    bool open_ = false;
};

} // namespace mojiro
