// The file operations under the settings store: whole-file reads, atomic
// replacement and the advisory lock that orders writers. Failures are thrown
// as std::system_error; the store turns them into its own messages.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mojiro {

// The bytes of a file, or nothing when it (or a folder on its path) does not
// exist.
[[nodiscard]] std::optional<std::string> ReadFileIfExists(const std::filesystem::path& file);

// Replaces the file by writing a temporary file in the same folder, flushing
// it to disk and renaming it over the old one, so a reader sees either the
// old or the new file, never a part of one. On failure the old file is
// untouched and the temporary file removed.
void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// An exclusive flock() on a file of its own, held while the object lives. The
// lock lives on a separate file because the settings file itself is replaced
// by every write, and a lock on a replaced file would order nothing.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

} // namespace mojiro
