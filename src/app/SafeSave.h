// Saving a document without ever putting the reporter's article at risk.
//
// The new text goes to a temporary file in the same folder, which is flushed
// to disk and only then renamed over the file. With backups on, the old file
// becomes the ".bak" once the new text is safely on disk, through a second
// name (a hard link) rather than a rename, so that at every moment the file's
// name holds either the complete old text or the complete new one. Whatever
// fails, the old file and an older ".bak" stay as they were and no temporary
// file is left behind.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace mojiro {

// The system calls a save goes through. The defaults call the system; tests
// override one of them to make a save fail at a chosen point (a full disk
// half-way through the text, a failing flush or rename).
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Link(const char* from, const char* to);
    virtual int Rename(const char* from, const char* to);
};

// The calls that reach the system.
[[nodiscard]] FileCalls& SystemFileCalls();

using ByteSink = std::function<void(std::string_view)>;
// Hands the whole new text to the sink, in as many pieces as it likes.
using TextProducer = std::function<void(const ByteSink&)>;

enum class BackupMode {
    None,
    // An existing file's old text is kept under the backup name.
    KeepPrevious,
};

struct SaveOutcome {
    // Empty unless a wanted backup could not be made. The save itself went
    // on: the new text is in place, and an older backup is untouched.
    std::string backupError;
};

// The file f with its extension replaced by ".bak", or ".bak" appended when
// it has none.
[[nodiscard]] std::filesystem::path BackupPathOf(const std::filesystem::path& file);

// Replaces the contents of `file` (creating it when missing) with the bytes
// `produce` delivers. A new file gets the usual permissions; a replaced one
// keeps its permissions (and, where allowed, its owner). Saving through a
// symbolic link replaces the file it points to and keeps the link.
//
// Throws FileError, whose message names the file and carries the system's
// error text, when the text cannot be written; the file, its backup and the
// folder are then as they were. An exception thrown by `produce` propagates
// after the same clean-up.
SaveOutcome SaveFileSafely(const std::filesystem::path& file, const TextProducer& produce,
                           BackupMode backup, FileCalls& calls = SystemFileCalls());

} // namespace mojiro
