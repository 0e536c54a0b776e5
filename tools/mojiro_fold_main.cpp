// mojiro-fold [OPTION]... FILE: folds a CP932 text as the editor does and
// writes its rows, so that folding can be checked and compared from a shell.
#include "FoldToolOptions.h"
#include "FoldToolView.h"
#include "editor/EditorTypes.h"
#include "editor/ScreenStrings.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// 1: the work could not be done (output not written, memory short);
// 2: the arguments or the file were refused.
constexpr int kExitFailed = 1;
constexpr int kExitRefused = 2;

// Messages quote arguments and file names; a line break in one must not
// split the message.
void Complain(std::string_view message) {
    std::string line(message);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    std::fprintf(stderr, "mojiro-fold: %s\n", line.c_str());
}

// Gathers output in large pieces: a big document has millions of rows, and a
// write per row would cost more than folding them.
class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* out) : out_(out) { buffer_.reserve(kCapacity); }

    void Append(std::string_view bytes) {
        if (buffer_.size() + bytes.size() > kCapacity)
            Flush();
        buffer_.append(bytes);
    }
    void Append(char c) {
        if (buffer_.size() == kCapacity)
            Flush();
        buffer_.push_back(c);
    }

    // Returns 0, or the errno of the first failed write.
    int Finish() {
        Flush();
        if (error_ == 0 && std::fflush(out_) != 0)
            error_ = errno != 0 ? errno : EIO;
        return error_;
    }

private:
    static constexpr std::size_t kCapacity = 1 << 20;

    void Flush() {
        if (error_ == 0 && !buffer_.empty()) {
            errno = 0;
            if (std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size())
                error_ = errno != 0 ? errno : EIO;
        }
        buffer_.clear();
    }

    std::FILE* out_;
    std::string buffer_;
    int error_ = 0;
};

// Standard input read to its end, as LoadFromFile reads a file. Throws
// FileError when reading fails. The buffer is not zero-filled first: for a
// large document that alone would cost a noticeable part of the run.
class StandardInput {
public:
    StandardInput() {
        struct stat info {};
        if (::fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
            Grow(static_cast<std::size_t>(info.st_size) + kPiece);
        for (;;) {
            if (capacity_ - size_ < kPiece)
                Grow(std::max(2 * capacity_, size_ + kPiece));
            const ssize_t got = ::read(STDIN_FILENO, bytes_.get() + size_, capacity_ - size_);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw mojiro::FileError(std::string("Cannot read standard input. ") +
                                        std::strerror(errno));
            if (got == 0)
                break;
            size_ += static_cast<std::size_t>(got);
        }
    }

    [[nodiscard]] std::string_view Bytes() const { return {bytes_.get(), size_}; }

private:
    static constexpr std::size_t kPiece = 1 << 20;

    void Grow(std::size_t capacity) {
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0)
            std::memcpy(larger.get(), bytes_.get(), size_);
        bytes_ = std::move(larger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

void WriteRows(const mojiro::TEditorScreenStrings& rows, mojiro::FoldOutput format,
               OutputBuffer& out) {
    for (int row = 0; row < rows.Count(); ++row) {
        if (format == mojiro::FoldOutput::Kinds) {
            out.Append(static_cast<char>('0' + static_cast<int>(rows.GetRowEndKind(row))));
            out.Append('\t');
        }
        out.Append(rows.RowView(row));
        out.Append('\n');
    }
}

} // namespace

int main(int argc, char** argv) {
    using namespace mojiro;

    const FoldToolParseResult parsed =
        ParseFoldToolOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        Complain(parsed.error);
        return kExitRefused;
    }
    const FoldToolOptions& options = *parsed.options;
    OutputBuffer out(stdout);
    if (options.help) {
        out.Append(FoldToolUsage());
    } else {
        try {
            FoldToolView view(options.tabWidth);
            TEditorScreenStrings rows;
            rows.AttachView(&view);
            // Folding on and the rules in place before the text arrives, so
            // that loading folds once.
            rows.SetWordWrap(true);
            ApplyWrapValues(options.wrap, rows.WrapOption());
            if (options.file == "-")
                rows.LoadFromBytes(StandardInput().Bytes());
            else
                rows.LoadFromFile(options.file);

            if (options.output == FoldOutput::Count)
                out.Append(std::to_string(rows.Count()) + "\n");
            else
                WriteRows(rows, options.output, out);
        } catch (const FileError& e) {
            Complain(e.what());
            return kExitRefused;
        } catch (const std::exception& e) {
            // Typically a document too large for the memory there is.
            Complain(std::string("cannot fold the text: ") + e.what());
            return kExitFailed;
        }
    }
    if (const int error = out.Finish(); error != 0) {
        Complain(std::string("cannot write the output: ") + std::strerror(error));
        return kExitFailed;
    }
    return 0;
}
