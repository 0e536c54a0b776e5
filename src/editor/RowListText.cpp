// Reading and writing the whole text of the row list.
#include "editor/LineSplitter.h"
#include "editor/ScreenStrings.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mojiro {

namespace {
constexpr std::string_view kCrLf = "\r\n";
} // namespace

std::string TEditorScreenStrings::Text() const {
    std::string text;
    text.reserve(static_cast<std::size_t>(TextLength()));
    WriteText([&text](std::string_view piece) { text.append(piece); });
    return text;
}

void TEditorScreenStrings::WriteText(const std::function<void(std::string_view)>& sink) const {
    for (int row = 0; row < Count(); ++row) {
        sink(RowView(row));
        if (GetRowEndKind(row) == RowEndKind::LineEnd)
            sink(kCrLf);
    }
}

void TEditorScreenStrings::ReplaceContents(TEditorStringList& rows) {
    {
        UpdateBlock block(*this);
        Clear();
        SwapContents(rows);
    }
    RecomputeStates();
    for (EditorViewLink* view : views_)
        view->RowListRefolded();
}

void TEditorScreenStrings::SetText(std::string_view text) {
    // Every line, the last included, becomes a line-end row.
    TEditorStringList rows;
    ReserveFor(rows, static_cast<std::ptrdiff_t>(text.size()));
    LineFolder* folder = wordWrap_ && !FirstViewLoading() ? &Folder() : nullptr;
    LineSplitter splitter(false);
    auto onLine = [&](std::string_view line, bool) { AppendLine(rows, line, folder); };
    splitter.Feed(text, onLine);
    splitter.Finish(onLine);
    ReplaceContents(rows);
}

namespace {

// Builds the rows of a file's bytes, which may arrive in pieces.
class RowBuilder {
public:
    RowBuilder(TEditorStringList& rows, LineFolder* folder)
        : rows_(rows), folder_(folder), splitter_(true) {}

    void Feed(std::string_view piece) {
        splitter_.Feed(piece, [this](std::string_view line, bool) {
            AppendLine(rows_, line, folder_);
        });
    }
    void Finish() {
        bool open = false;
        splitter_.Finish([this, &open](std::string_view line, bool) {
            AppendLine(rows_, line, folder_);
            open = true;
        });
        // A last line without a line break ends with an open last row.
        if (open)
            rows_.SetRowEndKind(rows_.Count() - 1, RowEndKind::OpenLast);
    }
    [[nodiscard]] bool Stopped() const { return splitter_.Stopped(); }

private:
    TEditorStringList& rows_;
    LineFolder* folder_;
    LineSplitter splitter_;
};

std::string ErrorText(int error) {
    return std::strerror(error);
}

} // namespace

void TEditorScreenStrings::ReserveFor(TEditorStringList& rows, std::ptrdiff_t bytes) const {
    // Folded rows hold a little less than WrapByte bytes on average, so this
    // sizes the row arrays once for typical text; it is only a hint.
    const std::ptrdiff_t perRow = wordWrap_ ? std::max(wrapOption_->WrapByte() * 4 / 5, 1) : 64;
    rows.Reserve(static_cast<int>(std::min<std::ptrdiff_t>(bytes / perRow + 16, INT_MAX)), bytes);
}

void TEditorScreenStrings::LoadFromBytes(std::string_view bytes) {
    TEditorStringList rows;
    ReserveFor(rows, static_cast<std::ptrdiff_t>(bytes.size()));
    RowBuilder builder(rows, wordWrap_ && !FirstViewLoading() ? &Folder() : nullptr);
    builder.Feed(bytes);
    builder.Finish();
    ReplaceContents(rows);
}

void TEditorScreenStrings::LoadFromFile(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("Cannot open file \"" + fileName + "\". " + ErrorText(errno));
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    TEditorStringList rows;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        ReserveFor(rows, info.st_size);
    RowBuilder builder(rows, wordWrap_ && !FirstViewLoading() ? &Folder() : nullptr);
    std::string buffer(1 << 20, '\0');
    while (!builder.Stopped()) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError("Cannot read file \"" + fileName + "\". " + ErrorText(errno));
        }
        if (got == 0)
            break;
        builder.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    }
    builder.Finish();
    ReplaceContents(rows);
}

} // namespace mojiro
