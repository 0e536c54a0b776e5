// Fuzzes loading, folding and editing: the input is a file's bytes followed by
// an edit script. After every edit the text must equal a plain string model,
// and undoing every edit must give back the loaded text.
#include "editor/ScreenStrings.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct Script {
    std::string_view bytes;
    [[nodiscard]] bool Empty() const { return bytes.empty(); }
    unsigned Next() {
        if (bytes.empty())
            return 0;
        const auto b = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        return b;
    }
    std::string_view Take(std::size_t n) {
        n = std::min(n, bytes.size());
        const std::string_view piece = bytes.substr(0, n);
        bytes.remove_prefix(n);
        return piece;
    }
};

std::string Normalize(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script script{std::string_view(reinterpret_cast<const char*>(data), size)};
    const unsigned flags = script.Next();
    const unsigned width = script.Next();
    const std::size_t docLength = script.Next() * 4;

    mojiro::TEditorScreenStrings rows;
    rows.UndoObj().SetUndoListMax(1 << 20);
    auto& options = rows.WrapOption();
    if (flags & 1)
        mojiro::ApplyWindowDefaults(options);
    options.SetWrapByte(static_cast<int>(width));
    options.SetLeading(flags & 2);
    options.SetFollowPunctuation(flags & 4);
    options.SetWordBreak(flags & 8);
    options.SetFollowRetMark(flags & 16);
    rows.SetWordWrap(!(flags & 32));
    rows.LoadFromBytes(script.Take(docLength));

    const std::string loaded = rows.Text();
    std::string model = loaded;
    int edits = 0;
    while (!script.Empty() && edits < 64) {
        const int count = rows.Count();
        const int first = static_cast<int>(script.Next()) % (count + 1);
        const int n = static_cast<int>(script.Next()) % (std::min(count - first, 4) + 1);
        const std::string_view text = script.Take(script.Next() % 16);
        if (n == 0 && text.empty())
            continue;
        const auto a = static_cast<std::size_t>(rows.RowCharIndex(first));
        const auto b = static_cast<std::size_t>(rows.RowCharIndex(first + n));
        model = Normalize(model.substr(0, a) + std::string(text) + model.substr(b));
        rows.ReplaceRows(first, n, text);
        Check(rows.Text() == model);
        Check(rows.TextLength() == static_cast<std::ptrdiff_t>(model.size()));
        ++edits;
    }
    while (rows.UndoObj().CanUndo())
        rows.Undo();
    Check(rows.Text() == loaded);
    return 0;
}
