#include "app/TextFileInput.h"

#include "editor/EditorTypes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace mojiro {

namespace {

constexpr char kEndOfText = '\x1A';

[[noreturn]] void Fail(std::string_view what, const std::filesystem::path& file,
                       const std::string& reason) {
    throw FileError(std::string(what) + " \"" + file.string() + "\". " + reason);
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

void RequireRegular(const struct stat& info, const std::filesystem::path& file) {
    if (S_ISDIR(info.st_mode)) {
        Fail("Cannot open file", file, ErrorText(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        Fail("Cannot open file", file, "Not a regular file");
    }
}

} // namespace

void RequireRegularFile(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        Fail("Cannot open file", file, ErrorText(errno));
    }
    RequireRegular(info, file);
}

std::string ReadMergeText(const std::filesystem::path& file) {
    // O_NONBLOCK: opening a pipe must not wait for a writer before the check.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        Fail("Cannot open file", file, ErrorText(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        Fail("Cannot read file", file, ErrorText(errno));
    }
    RequireRegular(info, file);

    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            Fail("Cannot read file", file, ErrorText(errno));
        }
        const std::string_view piece(buffer, static_cast<std::size_t>(got));
        if (const auto end = piece.find(kEndOfText); end != std::string_view::npos) {
            text.append(piece.substr(0, end));
            return text;
        }
        if (got == 0) {
            return text;
        }
        text.append(piece);
    }
}

} // namespace mojiro
