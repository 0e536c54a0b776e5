#include "settings/EnclosingListFile.h"

#include "editor/EditorTypes.h"
#include "settings/ReplaceKeepingMode.h"
#include "settings/StoreFile.h"

#include <charconv>
#include <cstdint>
#include <system_error>
#include <vector>

namespace mojiro {

namespace {

// "Mojiro囲み文字リスト" in CP932.
constexpr std::string_view kHeader =
    "Mojiro\x88\xcd\x82\xdd\x95\xb6\x8e\x9a\x83\x8a\x83\x58\x83\x67";
constexpr int kLinesPerPair = 7;

// The file's lines without their ends. Written with CR LF; a file that passed
// through a tool converting to LF or CR is read as well.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// A whole line of optional minus and decimal digits; nothing for any other text.
template <typename Int> std::optional<Int> ParseInteger(std::string_view text) {
    Int value{};
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Colours are written as the signed reading of their 32 bits, so that system
// colours (0x80000000 and up) come out negative.
std::string ColorLine(TColor color) {
    return std::to_string(static_cast<std::int32_t>(color));
}

[[noreturn]] void ThrowDamaged(const std::string& path, std::size_t line) {
    throw FileError("File \"" + path + "\" is damaged at line " + std::to_string(line) + ".");
}

// A colour line; index counts from 0, the message from 1. The unsigned
// reading of the 32 bits is taken as well.
TColor ReadColor(const std::string& path, const std::vector<std::string_view>& lines,
                 std::size_t index) {
    const std::optional<std::int64_t> color = ParseInteger<std::int64_t>(lines[index]);
    if (!color || *color < INT32_MIN || *color > UINT32_MAX) {
        ThrowDamaged(path, index + 1);
    }
    return static_cast<TColor>(*color);
}

} // namespace

void SaveEnclosingList(const std::string& path, const TEditorBracketCollection& list) {
    std::string text;
    const auto line = [&text](std::string_view item) {
        text += item;
        text += "\r\n";
    };
    line(kHeader);
    line(std::to_string(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const TEditorBracketItem& item = list.Items(i);
        const TEditorColor& color = item.ItemColor();
        line(item.LeftBracket());
        line(item.RightBracket());
        line(ColorLine(color.Color()));
        line(ColorLine(color.BkColor()));
        line((color.Style() & fsBold) != 0 ? "1" : "0");
        line((color.Style() & fsItalic) != 0 ? "1" : "0");
        line((color.Style() & fsUnderline) != 0 ? "1" : "0");
    }
    // Through a temporary file, so that a failed write leaves an older list
    // of the same name whole.
    try {
        ReplaceFileKeepingMode(path, text);
    } catch (const std::system_error& e) {
        throw FileError("Cannot write file \"" + path + "\". " + e.code().message());
    }
}

bool LoadEnclosingList(const std::string& path, TEditorBracketCollection& list) {
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileIfExists(path);
    } catch (const std::system_error& e) {
        throw FileError("Cannot open file \"" + path + "\". " + e.code().message());
    }
    if (!bytes) {
        throw FileError("Cannot open file \"" + path + "\". No such file or directory");
    }
    const std::vector<std::string_view> lines = SplitLines(*bytes);
    if (lines.empty() || lines[0] != kHeader) {
        return false;
    }
    if (lines.size() < 2) {
        ThrowDamaged(path, 2);
    }
    const std::optional<int> count = ParseInteger<int>(lines[1]);
    if (!count || *count < 0) {
        ThrowDamaged(path, 2);
    }

    // Read into a list of its own: a damaged file then changes nothing, while
    // a list longer than the collection holds keeps the pairs before the
    // one refused, as the collection's own error says.
    TEditorBracketCollection loaded;
    for (int pair = 0; pair < *count; ++pair) {
        TEditorBracketItem* item = nullptr;
        try {
            item = &loaded.Add();
        } catch (const EditorError&) {
            list.Assign(loaded);
            throw;
        }
        const std::size_t first = 2 + static_cast<std::size_t>(pair) * kLinesPerPair;
        if (lines.size() < first + kLinesPerPair) {
            ThrowDamaged(path, lines.size() + 1);
        }
        item->SetLeftBracket(std::string(lines[first]));
        item->SetRightBracket(std::string(lines[first + 1]));
        item->ItemColor().SetColor(ReadColor(path, lines, first + 2));
        item->ItemColor().SetBkColor(ReadColor(path, lines, first + 3));
        TFontStyles style = 0;
        constexpr TFontStyles kStyles[] = {fsBold, fsItalic, fsUnderline};
        for (int k = 0; k < 3; ++k) {
            if (lines[first + 4 + k] == "1") {
                style |= kStyles[k];
            }
        }
        item->ItemColor().SetStyle(style);
    }
    list.Assign(loaded);
    return true;
}

std::string NotAListMessage(const std::string& path) {
    return path + "は囲み文字リストではありません";
}

} // namespace mojiro
