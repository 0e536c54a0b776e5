#include "settings/ReplaceKeepingMode.h"

#include "settings/StoreFile.h"

#include <sys/stat.h>

namespace mojiro {

namespace fs = std::filesystem;

namespace {

fs::perms NewFileMode() {
    // umask can only be read by setting it; the program is single-threaded.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<fs::perms>(0666 & ~mask);
}

} // namespace

void ReplaceFileKeepingMode(const fs::path& file, std::string_view bytes) {
    std::error_code error;
    const fs::file_status old = fs::status(file, error);
    const fs::perms mode = fs::exists(old) ? old.permissions() & fs::perms::mask : NewFileMode();
    ReplaceFileAtomically(file, bytes);
    fs::permissions(file, mode, fs::perm_options::replace);
}

} // namespace mojiro
