// Atomic replacement for files a user owns and shares: the temporary file of
// an atomic write is private (0600), which must not become the mode of a list
// a reporter means to pass on or of a configuration file others read.
#pragma once

#include <filesystem>
#include <string_view>

namespace mojiro {

// ReplaceFileAtomically, then the old file's permission bits, or for a new
// file those a plain create would give (0666 less the umask). Throws
// std::system_error (std::filesystem::filesystem_error included).
void ReplaceFileKeepingMode(const std::filesystem::path& file, std::string_view bytes);

} // namespace mojiro
