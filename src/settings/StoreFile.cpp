#include "settings/StoreFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace mojiro {

namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// Closes a descriptor on every way out of a scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int Get() const { return fd_; }
    // Closes now, so that a failing close (a delayed write error) is seen.
    [[nodiscard]] bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::string& what) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(what);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

std::optional<std::string> ReadFileIfExists(const std::filesystem::path& file) {
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::nullopt;
        }
        ThrowErrno("open " + file.string());
    }
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n == 0) {
            return bytes;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("read " + file.string());
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::string temporary = file.string() + ".tmp-XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        ThrowErrno("create " + temporary);
    }
    try {
        WriteAll(fd.Get(), bytes, "write " + temporary);
        if (::fsync(fd.Get()) != 0) {
            ThrowErrno("flush " + temporary);
        }
        if (!fd.Close()) {
            ThrowErrno("close " + temporary);
        }
        if (::rename(temporary.c_str(), file.c_str()) != 0) {
            ThrowErrno("rename " + temporary);
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

FileLock::FileLock(const std::filesystem::path& lockFile)
    : fd_(::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ < 0) {
        ThrowErrno("open " + lockFile.string());
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(fd_);
            throw std::system_error(error, std::generic_category(), "lock " + lockFile.string());
        }
    }
}

FileLock::~FileLock() {
    ::close(fd_);
}

} // namespace mojiro
