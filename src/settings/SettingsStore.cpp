#include "settings/SettingsStore.h"

#include "settings/IniDocument.h"
#include "settings/StoreFile.h"
#include "settings/ValueText.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace mojiro {

namespace fs = std::filesystem;

namespace {

// The name the root carries in messages: the registry key it stands for.
constexpr std::string_view kRootName = "Software\\Mojiro";

// Names the file can hold as they are: printable ASCII, no brackets or "="
// that would end a header or a name early, no comment mark in front and no
// spaces around it, which reading would drop.
bool IsStorableName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ' || name.front() == ';' ||
        name.front() == '#') {
        return false;
    }
    for (const char c : name) {
        if (c < 0x20 || c > 0x7E || c == '=' || c == '[' || c == ']') {
            return false;
        }
    }
    return true;
}

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return fs::temp_directory_path();
}

IniDocument LoadDocument(const fs::path& file) {
    return IniDocument::Parse(ReadFileIfExists(file).value_or(std::string()));
}

} // namespace

fs::path DefaultSettingsPath() {
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        config = xdg;
    } else {
        config = HomeFolder() / ".config";
    }
    return config / "Mojiro" / "Mojiro.ini";
}

SettingsStore::SettingsStore(fs::path file) : file_(std::move(file)) {}

void SettingsStore::Open() {
    std::error_code error;
    const fs::path folder = file_.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, error);
    }
    // O_EXCL: an existing file, even a read-only one, is left alone.
    const int fd =
        error ? -1 : ::open(file_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
    } else if (error || errno != EEXIST) {
        throw SettingsError(SettingsErrorKind::CreateSection, std::string(kRootName));
    }
    open_ = true;
}

void SettingsStore::Close() {
    open_ = false;
}

void SettingsStore::RequireOpen() const {
    if (!open_) {
        throw std::logic_error("settings store used before Open");
    }
}

std::optional<std::string> SettingsStore::ReadStored(std::string_view section,
                                                     std::string_view name) const {
    RequireOpen();
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileIfExists(file_);
    } catch (const std::system_error&) {
        throw SettingsError(SettingsErrorKind::ReadValue, std::string(name));
    }
    if (!bytes) {
        return std::nullopt;
    }
    const IniDocument document = IniDocument::Parse(*bytes);
    const auto stored = document.Find(section, name);
    return stored ? std::optional<std::string>(*stored) : std::nullopt;
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view name,
                                      std::string_view defaultValue) const {
    const auto stored = ReadStored(section, name);
    if (!stored) {
        return std::string(defaultValue);
    }
    if (IsBinaryForm(*stored)) {
        throw SettingsError(SettingsErrorKind::ValueType, std::string(name));
    }
    return DecodeText(*stored).value_or(std::string(defaultValue));
}

int SettingsStore::ReadInteger(std::string_view section, std::string_view name,
                               int defaultValue) const {
    return TextToInteger(ReadString(section, name, {})).value_or(defaultValue);
}

bool SettingsStore::ReadBool(std::string_view section, std::string_view name,
                             bool defaultValue) const {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

std::optional<std::string> SettingsStore::ReadBinary(std::string_view section,
                                                     std::string_view name) const {
    const auto stored = ReadStored(section, name);
    return stored ? DecodeBinary(*stored) : std::nullopt;
}

template <typename Change>
void SettingsStore::Update(std::string_view section, std::string_view name, Change change) {
    RequireOpen();
    // Until the file has been read, a failure is one of the value.
    bool sectionExisted = true;
    try {
        // A first look without the lock: a change that changes nothing writes
        // nothing, so deleting a missing value never fails, even where the
        // folder cannot be written.
        IniDocument document = LoadDocument(file_);
        sectionExisted = document.HasSection(section);
        if (!change(document)) {
            return;
        }
        if (!file_.parent_path().empty()) {
            fs::create_directories(file_.parent_path());
        }
        const FileLock lock(file_.string() + ".lock");
        document = LoadDocument(file_);
        if (!change(document)) {
            return;
        }
        ReplaceFileAtomically(file_, document.Serialize());
    } catch (const std::system_error&) {
        if (sectionExisted) {
            throw SettingsError(SettingsErrorKind::WriteValue, std::string(name));
        }
        throw SettingsError(SettingsErrorKind::CreateSection, std::string(section));
    }
}

void SettingsStore::WriteStored(std::string_view section, std::string_view name,
                                std::string_view stored) {
    RequireOpen();
    if (!IsStorableName(section)) {
        throw SettingsError(SettingsErrorKind::CreateSection, std::string(section));
    }
    if (!IsStorableName(name)) {
        throw SettingsError(SettingsErrorKind::WriteValue, std::string(name));
    }
    Update(section, name,
           [&](IniDocument& document) { return document.Set(section, name, stored); });
}

void SettingsStore::WriteString(std::string_view section, std::string_view name,
                                std::string_view text) {
    WriteStored(section, name, EncodeText(text));
}

void SettingsStore::WriteInteger(std::string_view section, std::string_view name, int value) {
    WriteStored(section, name, std::to_string(value));
}

void SettingsStore::WriteBool(std::string_view section, std::string_view name, bool value) {
    WriteStored(section, name, value ? "1" : "0");
}

void SettingsStore::WriteBinary(std::string_view section, std::string_view name,
                                std::string_view bytes) {
    WriteStored(section, name, EncodeBinary(bytes));
}

void SettingsStore::DeleteValue(std::string_view section, std::string_view name) {
    Update(section, name, [&](IniDocument& document) { return document.Remove(section, name); });
}

} // namespace mojiro
