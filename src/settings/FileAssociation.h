// Mojiro as the handler of chosen file extensions, kept in the XDG places of
// one user: a desktop entry for the program, a shared-mime-info package that
// gives each extension a type, and the default-application line of that type
// in mimeapps.list. Also keeps File/Ext, the patterns the file dialogs offer.
#pragma once

#include "settings/SettingsStore.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

// Lower case with "." in front: "DOC" and ".doc" both give ".doc".
[[nodiscard]] std::string NormaliseExtension(std::string_view text);

enum class AssociationOwner { None, Mojiro, Other };

class TFileAssociation {
public:
    // This user's XDG folders (from the environment) and the running program.
    TFileAssociation();
    // Only these folders, nothing of the system's: for tests.
    TFileAssociation(std::filesystem::path dataHome, std::filesystem::path configHome,
                     std::string programPath);

    // Who opens files of the extension by default, as this user's
    // mimeapps.list says; None also when the extension has no type. Throws
    // std::runtime_error when a file cannot be read.
    [[nodiscard]] AssociationOwner Owner(const std::string& extension) const;
    // Makes the program the extension's default handler and adds the
    // extension to File/Ext. Throws std::runtime_error with a UTF-8 message
    // for the user when the extension is empty (nothing after the point) or
    // holds other characters than a-z 0-9 . _ - +, or a file cannot be
    // written.
    void Register(const std::string& extension, SettingsStore& store);
    // Does nothing when no program is the default for the extension; the
    // caller asks first when Owner() is Other. Throws as Register does.
    void Remove(const std::string& extension, SettingsStore& store);

private:
    // The extension's type: the one this program defined for it, else the
    // best glob of the compiled MIME databases; empty when it has none.
    [[nodiscard]] std::string TypeOf(const std::string& extension) const;
    [[nodiscard]] std::filesystem::path DesktopFile() const;
    [[nodiscard]] std::filesystem::path PackageFile() const;
    [[nodiscard]] std::filesystem::path MimeAppsFile() const;
    // Runs the desktop's cache builders, when the object serves the real user.
    void RefreshCaches(const char* tool, const std::filesystem::path& folder) const;

    std::filesystem::path dataHome_;
    std::filesystem::path configHome_;
    std::string programPath_;
    // The system's data folders, read for the types they define.
    std::vector<std::filesystem::path> dataDirs_;
    bool refreshCaches_ = false;
};

// UTF-8 question asked before removing an association of another program.
[[nodiscard]] std::string OtherOwnerQuestion(const std::string& extension);

} // namespace mojiro
