#include "settings/FileAssociation.h"

#include "platform/Cp932Codec.h"
#include "settings/ReplaceKeepingMode.h"
#include "settings/SettingsTable.h"
#include "settings/StoreFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <set>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace mojiro {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDesktopId = "mojiro.desktop";
constexpr std::string_view kDefaultsSection = "[Default Applications]";
// Extensions without a type of their own get one of this program's.
constexpr std::string_view kOwnTypePrefix = "application/x-mojiro-";
constexpr std::string_view kPatternAttribute = "pattern=\"*";
// Ext always offers text files; their entry is never removed.
constexpr std::string_view kTextExtension = ".txt";

fs::path XdgHome(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && fs::path(value).is_absolute()) {
        return value;
    }
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "") / underHome;
}

std::vector<fs::path> XdgDataDirs() {
    const char* value = std::getenv("XDG_DATA_DIRS");
    std::string_view dirs =
        value != nullptr && *value != '\0' ? value : "/usr/local/share:/usr/share";
    std::vector<fs::path> result;
    while (!dirs.empty()) {
        const std::size_t colon = std::min(dirs.find(':'), dirs.size());
        if (const fs::path dir(dirs.substr(0, colon)); dir.is_absolute()) {
            result.push_back(dir);
        }
        dirs.remove_prefix(std::min(colon + 1, dirs.size()));
    }
    return result;
}

std::string RunningProgram() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).string();
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The file names and type names built from an extension stay plain: letters,
// digits and the few marks extensions really use.
void CheckExtension(const std::string& extension) {
    const std::string_view name = std::string_view(extension).substr(1);
    if (name.find_first_not_of('.') == std::string_view::npos) {
        throw std::runtime_error("拡張子を入力してください。");
    }
    const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
               c == '-' || c == '+';
    });
    if (!plain) {
        throw std::runtime_error(extension + "は拡張子に使えません。");
    }
}

std::string ReadText(const fs::path& file) {
    try {
        return ReadFileIfExists(file).value_or(std::string());
    } catch (const std::system_error& e) {
        throw std::runtime_error(file.string() + "を読めません。(" + e.code().message() + ")");
    }
}

// Replaces the file atomically. A symbolic link (a dotfile manager's) is
// followed, so that the link itself survives.
void WriteText(fs::path file, std::string_view text) {
    try {
        if (fs::is_symlink(file)) {
            file = fs::weakly_canonical(file);
        }
        fs::create_directories(file.parent_path());
        ReplaceFileKeepingMode(file, text);
    } catch (const std::system_error& e) {
        throw std::runtime_error(file.string() + "に書き込めません。(" + e.code().message() + ")");
    }
}

// The extensions of this program's package, read back from the form
// PackageText gives it.
std::set<std::string> PackageExtensions(const std::string& package) {
    std::set<std::string> extensions;
    for (std::size_t at = package.find(kPatternAttribute); at != std::string::npos;
         at = package.find(kPatternAttribute, at + 1)) {
        const std::size_t start = at + kPatternAttribute.size();
        const std::size_t end = package.find('"', start);
        if (end == std::string::npos) {
            break;
        }
        extensions.insert(package.substr(start, end - start));
    }
    return extensions;
}

std::string OwnType(const std::string& extension) {
    return std::string(kOwnTypePrefix) + extension.substr(1);
}

std::string PackageText(const std::set<std::string>& extensions) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const std::string& extension : extensions) {
        text += "  <mime-type type=\"" + OwnType(extension) + "\">\n";
        text += "    <comment>Mojiro text (*" + extension + ")</comment>\n";
        text += "    <sub-class-of type=\"text/plain\"/>\n";
        text += "    <glob " + std::string(kPatternAttribute) + extension + "\"/>\n";
        text += "  </mime-type>\n";
    }
    text += "</mime-info>\n";
    return text;
}

// Raises weight and type to those of the best line of a compiled glob list
// (lines "weight:type:pattern[:flags]") that names the extension and beats
// them.
void FindGlob(const std::string& globs, const std::string& extension, int& weight,
              std::string& type) {
    const std::string pattern = "*" + extension;
    std::string_view rest = globs;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const std::size_t first = line.find(':');
        const std::size_t second = line.find(':', first + 1);
        if (line.empty() || line[0] == '#' || second == std::string_view::npos) {
            continue;
        }
        const std::string_view found = line.substr(first + 1, second - first - 1);
        std::string_view glob = line.substr(second + 1);
        const std::size_t flags = std::min(glob.find(':'), glob.size());
        const bool caseSensitive = glob.substr(flags).find("cs") != std::string_view::npos;
        glob = glob.substr(0, flags);
        const bool same =
            glob.size() == pattern.size() &&
            std::equal(glob.begin(), glob.end(), pattern.begin(), [&](char a, char b) {
                return (caseSensitive ? a : std::tolower(static_cast<unsigned char>(a))) == b;
            });
        const int lineWeight = std::atoi(std::string(line.substr(0, first)).c_str());
        // A type of ours left in a compiled list after its package entry went
        // is stale.
        if (same && lineWeight > weight && !found.starts_with(kOwnTypePrefix)) {
            weight = lineWeight;
            type = found;
        }
    }
}

// The value of type's line in the defaults section of a mimeapps.list text
// (the last one, as readers of the file take it); nothing when absent.
std::optional<std::string> FindDefault(std::string_view text, std::string_view type) {
    std::optional<std::string> value;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.starts_with('[')) {
            inSection = line == kDefaultsSection;
        } else if (const std::size_t equals = line.find('=');
                   inSection && equals != std::string_view::npos &&
                   Trim(line.substr(0, equals)) == type) {
            value = Trim(line.substr(equals + 1));
        }
    }
    return value;
}

// The mimeapps.list text with type's default set to value, or removed when
// there is no value. Every other line stays as it was.
std::string WithDefault(std::string_view text, std::string_view type,
                        std::optional<std::string_view> value) {
    std::string result;
    result.reserve(text.size() + 64);
    bool inSection = false;
    bool done = false;
    std::optional<std::size_t> afterHeader;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view whole = text.substr(0, std::min(end + 1, text.size()));
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(whole.size());
        if (line.starts_with('[')) {
            inSection = line == kDefaultsSection;
        } else if (const std::size_t equals = line.find('=');
                   inSection && equals != std::string_view::npos &&
                   Trim(line.substr(0, equals)) == type) {
            if (value) {
                result += std::string(type) + "=" + std::string(*value) + "\n";
                done = true;
            }
            continue;
        }
        result += whole;
        if (inSection && line.starts_with('[') && !afterHeader) {
            if (!whole.ends_with('\n')) {
                result += '\n';
            }
            afterHeader = result.size();
        }
    }
    if (value && !done) {
        const std::string entry = std::string(type) + "=" + std::string(*value) + "\n";
        if (afterHeader) {
            result.insert(*afterHeader, entry);
        } else {
            if (!result.empty() && !result.ends_with('\n')) {
                result += '\n';
            }
            result += std::string(kDefaultsSection) + "\n" + entry;
        }
    }
    return result;
}

// The program path as one argument of a desktop entry's Exec: quoted with
// the quoting's own escapes, then escaped as a value string, where a
// backslash is doubled once more and "%" is doubled as no field code.
std::string ExecArgument(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (const char c : quoted) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        case '%':
            value += "%%";
            break;
        default:
            value += c;
        }
    }
    return value;
}

// The types a desktop entry's MimeType line lists.
std::set<std::string> DesktopTypes(std::string_view entry) {
    std::set<std::string> types;
    const std::size_t at = entry.find("\nMimeType=");
    if (at == std::string_view::npos) {
        return types;
    }
    std::string_view list = entry.substr(at + 10);
    list = Trim(list.substr(0, list.find('\n')));
    while (!list.empty()) {
        const std::size_t semicolon = std::min(list.find(';'), list.size());
        if (semicolon > 0) {
            types.emplace(list.substr(0, semicolon));
        }
        list.remove_prefix(std::min(semicolon + 1, list.size()));
    }
    return types;
}

std::string DesktopText(const std::string& program, const std::set<std::string>& types) {
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Mojiro\n"
                       "GenericName=Text Editor for Reporters\n"
                       "GenericName[ja]=記者用エディタ\n"
                       "Exec=" +
                       ExecArgument(program) +
                       " %f\n"
                       "Icon=mojiro\n"
                       "Terminal=false\n"
                       "Categories=Utility;TextEditor;\n"
                       "MimeType=";
    for (const std::string& type : types) {
        text += type + ";";
    }
    return text + "\n";
}

std::string ExtEntry(const std::string& extension) {
    return "*" + extension + ";";
}

// Ext through the settings store, whose messages are CP932, turned into the
// UTF-8 messages of this unit.
template <typename Edit> void EditExt(SettingsStore& store, Edit edit) {
    const TextSetting ext{"File", "Ext"};
    try {
        std::string patterns = ReadSetting(store, ext);
        if (edit(patterns)) {
            WriteSetting(store, ext, patterns);
        }
    } catch (const SettingsError& e) {
        throw std::runtime_error(Cp932ToUtf8(e.what()));
    }
}

} // namespace

std::string NormaliseExtension(std::string_view text) {
    std::string extension;
    if (!text.starts_with('.')) {
        extension = ".";
    }
    for (const char c : text) {
        extension += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return extension;
}

TFileAssociation::TFileAssociation()
    : dataHome_(XdgHome("XDG_DATA_HOME", ".local/share")),
      configHome_(XdgHome("XDG_CONFIG_HOME", ".config")), programPath_(RunningProgram()),
      dataDirs_(XdgDataDirs()), refreshCaches_(true) {}

TFileAssociation::TFileAssociation(fs::path dataHome, fs::path configHome, std::string programPath)
    : dataHome_(std::move(dataHome)), configHome_(std::move(configHome)),
      programPath_(std::move(programPath)) {}

fs::path TFileAssociation::DesktopFile() const {
    return dataHome_ / "applications" / kDesktopId;
}

fs::path TFileAssociation::PackageFile() const {
    return dataHome_ / "mime" / "packages" / "mojiro.xml";
}

fs::path TFileAssociation::MimeAppsFile() const {
    return configHome_ / "mimeapps.list";
}

std::string TFileAssociation::TypeOf(const std::string& extension) const {
    if (PackageExtensions(ReadText(PackageFile())).contains(extension)) {
        return OwnType(extension);
    }
    int weight = -1;
    std::string type;
    FindGlob(ReadText(dataHome_ / "mime" / "globs2"), extension, weight, type);
    for (const fs::path& dir : dataDirs_) {
        FindGlob(ReadText(dir / "mime" / "globs2"), extension, weight, type);
    }
    return type;
}

AssociationOwner TFileAssociation::Owner(const std::string& extension) const {
    const std::string normal = NormaliseExtension(extension);
    const std::string type = normal.size() > 1 ? TypeOf(normal) : std::string();
    if (type.empty()) {
        return AssociationOwner::None;
    }
    const std::optional<std::string> handlers = FindDefault(ReadText(MimeAppsFile()), type);
    if (!handlers || handlers->empty() || handlers->starts_with(';')) {
        return AssociationOwner::None;
    }
    const std::string_view first = Trim(std::string_view(*handlers).substr(0, handlers->find(';')));
    return first == kDesktopId ? AssociationOwner::Mojiro : AssociationOwner::Other;
}

void TFileAssociation::Register(const std::string& extension, SettingsStore& store) {
    const std::string normal = NormaliseExtension(extension);
    CheckExtension(normal);
    if (programPath_.empty()) {
        throw std::runtime_error("プログラムの場所が分かりません。");
    }
    std::string type = TypeOf(normal);
    if (type.empty()) {
        std::set<std::string> extensions = PackageExtensions(ReadText(PackageFile()));
        extensions.insert(normal);
        WriteText(PackageFile(), PackageText(extensions));
        RefreshCaches("update-mime-database", dataHome_ / "mime");
        type = OwnType(normal);
    }

    std::set<std::string> types = DesktopTypes(ReadText(DesktopFile()));
    types.insert(type);
    WriteText(DesktopFile(), DesktopText(programPath_, types));
    RefreshCaches("update-desktop-database", dataHome_ / "applications");

    const std::string desktopList = std::string(kDesktopId) + ";";
    WriteText(MimeAppsFile(), WithDefault(ReadText(MimeAppsFile()), type, desktopList));

    EditExt(store, [&normal](std::string& patterns) {
        if (patterns.find(ExtEntry(normal)) != std::string::npos) {
            return false;
        }
        // A list edited by hand may lack its last separator.
        if (!patterns.empty() && !patterns.ends_with(';')) {
            patterns += ';';
        }
        patterns += ExtEntry(normal);
        return true;
    });
}

void TFileAssociation::Remove(const std::string& extension, SettingsStore& store) {
    const std::string normal = NormaliseExtension(extension);
    CheckExtension(normal);
    if (Owner(normal) == AssociationOwner::None) {
        return;
    }
    const std::string type = TypeOf(normal);
    WriteText(MimeAppsFile(), WithDefault(ReadText(MimeAppsFile()), type, std::nullopt));

    // The type this program made for the extension goes with it; the desktop
    // entry stays, as the handler other extensions may still name.
    std::set<std::string> extensions = PackageExtensions(ReadText(PackageFile()));
    if (extensions.erase(normal) > 0) {
        WriteText(PackageFile(), PackageText(extensions));
        RefreshCaches("update-mime-database", dataHome_ / "mime");
    }

    EditExt(store, [&normal](std::string& patterns) {
        const std::size_t at = patterns.find(ExtEntry(normal));
        if (normal == kTextExtension || at == std::string::npos) {
            return false;
        }
        patterns.erase(at, normal.size() + 2);
        return true;
    });
}

void TFileAssociation::RefreshCaches(const char* tool, const fs::path& folder) const {
    if (!refreshCaches_) {
        return;
    }
    // The caches only speed the desktop up; a missing or failing tool is no
    // fault of the association.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string toolName = tool;
    std::string folderName = folder.string();
    char* argv[] = {toolName.data(), folderName.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, tool, &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

std::string OtherOwnerQuestion(const std::string& extension) {
    return extension + "は、Mojiro以外のアプリケーションに\n"
                       "関連付けられている可能性があります。\n"
                       "削除するとそのアプリの動作に影響するかもしれません。\n"
                       "関連付けを削除しますか？";
}

} // namespace mojiro
