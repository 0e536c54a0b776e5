#include "app/SafeSave.h"

#include "editor/EditorTypes.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace mojiro {

namespace fs = std::filesystem;

int FileCalls::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileCalls::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileCalls::Sync(int fd) {
    return ::fsync(fd);
}
int FileCalls::Close(int fd) {
    return ::close(fd);
}
int FileCalls::Link(const char* from, const char* to) {
    return ::link(from, to);
}
int FileCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}

fs::path BackupPathOf(const fs::path& file) {
    fs::path backup = file;
    return backup.replace_extension(".bak");
}

namespace {

// Large enough that a long article costs few system calls, although the text
// arrives row by row.
constexpr std::size_t kWriteBuffer = 1 << 20;

[[noreturn]] void Fail(std::string_view what, const fs::path& file, const std::string& reason) {
    throw FileError(std::string(what) + " \"" + file.string() + "\". " + reason);
}

[[noreturn]] void FailErrno(std::string_view what, const fs::path& file, int error) {
    Fail(what, file, std::generic_category().message(error));
}

// What a temporary file takes over from the file it will replace.
struct FileLook {
    mode_t mode = 0666; // before the umask, for a new file
    std::optional<std::pair<uid_t, gid_t>> owner;
};

// A uniquely named file in the folder, removed again unless it was renamed
// into place.
class TemporaryFile {
public:
    TemporaryFile(fs::path folder, std::string_view purpose)
        : folder_(std::move(folder)), purpose_(purpose) {}
    ~TemporaryFile() {
        if (owned_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Makes the file with `make`, which gets a fresh name and returns what
    // the system call returned; a name someone else took meanwhile is
    // skipped. Returns the last result.
    template <typename Make> int Create(Make make) {
        std::random_device random;
        int result = -1;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = folder_ / (".mojiro-" + purpose_ + "-" + RandomTag(random));
            result = make(path_.c_str());
            if (result >= 0) {
                owned_ = true;
                return result;
            }
            if (errno != EEXIST) {
                return result;
            }
        }
        return result;
    }

    [[nodiscard]] const fs::path& Path() const { return path_; }
    // The file now lives under another name.
    void Moved() { owned_ = false; }

private:
    static std::string RandomTag(std::random_device& random) {
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string tag;
        for (int i = 0; i < 12; ++i) {
            tag += kDigits[random() % 16];
        }
        return tag;
    }

    fs::path folder_;
    std::string purpose_;
    fs::path path_;
    bool owned_ = false;
};

class Descriptor {
public:
    Descriptor(int fd, FileCalls& calls) : fd_(fd), calls_(calls) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            calls_.Close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int Get() const { return fd_; }
    // Closes now, so that a delayed write error shows.
    [[nodiscard]] bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return calls_.Close(fd) == 0;
    }

private:
    int fd_;
    FileCalls& calls_;
};

class BufferedWriter {
public:
    BufferedWriter(int fd, FileCalls& calls, const fs::path& target)
        : fd_(fd), calls_(calls), target_(target) {
        buffer_.reserve(kWriteBuffer);
    }

    void Put(std::string_view piece) {
        if (buffer_.size() + piece.size() <= kWriteBuffer) {
            buffer_.append(piece);
            return;
        }
        Flush();
        if (piece.size() >= kWriteBuffer) {
            WriteAll(piece);
        } else {
            buffer_.append(piece);
        }
    }

    void Flush() {
        WriteAll(buffer_);
        buffer_.clear();
    }

private:
    void WriteAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = calls_.Write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                // A write that makes no progress would loop for ever.
                FailErrno("Cannot write file", target_, written == 0 ? ENOSPC : errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    int fd_;
    FileCalls& calls_;
    const fs::path& target_;
    std::string buffer_;
};

// Writes the text into a new temporary file in the folder and flushes it to
// disk. Errors name `target`, the file the user saves.
void WriteTemporary(TemporaryFile& temporary, const fs::path& target, const FileLook& look,
                    const TextProducer& produce, FileCalls& calls) {
    const int created = temporary.Create([&](const char* name) {
        return calls.Open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, look.mode);
    });
    Descriptor fd(created, calls);
    if (fd.Get() < 0) {
        FailErrno("Cannot create file", target, errno);
    }
    if (look.owner) {
        // Only root or the owner may do this; another user's file becomes
        // the saver's own, as any other program's save would make it.
        [[maybe_unused]] const int ignored =
            ::fchown(fd.Get(), look.owner->first, look.owner->second);
        ::fchmod(fd.Get(), look.mode);
    }
    BufferedWriter writer(fd.Get(), calls, target);
    produce([&writer](std::string_view piece) { writer.Put(piece); });
    writer.Flush();
    if (calls.Sync(fd.Get()) != 0) {
        FailErrno("Cannot write file", target, errno);
    }
    if (!fd.Close()) {
        FailErrno("Cannot write file", target, errno);
    }
}

// Streams the bytes of an existing file.
TextProducer CopyOf(const fs::path& file) {
    return [file](const ByteSink& sink) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            FailErrno("Cannot open file", file, errno);
        }
        Descriptor closer(fd, SystemFileCalls());
        std::string buffer(kWriteBuffer, '\0');
        for (;;) {
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                FailErrno("Cannot read file", file, errno);
            }
            if (got == 0) {
                return;
            }
            sink(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
        }
    };
}

// Gives the old text a second name in the folder, so that it survives the
// rename of the new text over the file: a hard link, or a copy where the
// file system has no links. Returns the reason when neither works.
std::string KeepOldText(TemporaryFile& keep, const fs::path& file, const FileLook& look,
                        FileCalls& calls) {
    if (keep.Create([&](const char* name) { return calls.Link(file.c_str(), name); }) == 0) {
        return {};
    }
    try {
        WriteTemporary(keep, BackupPathOf(file), look, CopyOf(file), calls);
        return {};
    } catch (const FileError& e) {
        return e.what();
    }
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a save replaces: the target of a symbolic link, so that the link
// stays a link.
fs::path SaveTarget(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(file, error)) {
        return file;
    }
    const fs::path target = fs::weakly_canonical(file, error);
    return error ? file : target;
}

} // namespace

SaveOutcome SaveFileSafely(const fs::path& file, const TextProducer& produce, BackupMode backup,
                           FileCalls& calls) {
    const fs::path target = SaveTarget(file);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    FileLook look;
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing) {
        if (S_ISDIR(old.st_mode)) {
            FailErrno("Cannot create file", target, EISDIR);
        }
        // Renaming over a device or a pipe would replace it with a file.
        if (!S_ISREG(old.st_mode)) {
            Fail("Cannot create file", target, "Not a regular file");
        }
        look.mode = old.st_mode & 07777;
        look.owner = std::pair(old.st_uid, old.st_gid);
    }

    TemporaryFile text(folder, "save");
    WriteTemporary(text, target, look, produce, calls);

    // The new text is safely on disk: only now is the old one moved aside.
    SaveOutcome outcome;
    const fs::path backupPath = BackupPathOf(target);
    const bool wantBackup = backup == BackupMode::KeepPrevious && replacing && backupPath != target;
    TemporaryFile kept(folder, "bak");
    if (wantBackup) {
        outcome.backupError = KeepOldText(kept, target, look, calls);
    }

    if (calls.Rename(text.Path().c_str(), target.c_str()) != 0) {
        FailErrno("Cannot write file", target, errno);
    }
    text.Moved();

    if (wantBackup && outcome.backupError.empty()) {
        // On success the kept name is normally gone; it stays only when the
        // old ".bak" was another link to the same file, and is removed then.
        if (calls.Rename(kept.Path().c_str(), backupPath.c_str()) != 0) {
            outcome.backupError = std::generic_category().message(errno);
        }
    }
    SyncFolder(folder);
    return outcome;
}

} // namespace mojiro
