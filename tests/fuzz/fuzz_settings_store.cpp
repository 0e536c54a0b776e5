// Feeds arbitrary bytes to the settings reader, as a whole settings file and
// as one stored value. Reading never crashes; a file is written back exactly
// as it was read; a write changes the one value it names and reads back; and
// every text, whatever its bytes, survives its stored form.
#include "settings/ColorText.h"
#include "settings/IniDocument.h"
#include "settings/ValueText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using namespace mojiro;

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

constexpr std::pair<std::string_view, std::string_view> kProbes[] = {
    {"Locate", "Top"},           {"locate", "TOP"},
    {"Option", "SpaceColor"},    {"Option", "Space"},
    {"Search", "SearchLetter0"}, {"EditorProp", "EditorProp"},
    {"File", "IniDir"},          {"", ""},
    {"View", "CoolBarWidth3"},   {"Folder", "DirectOpen9"},
};

void ReadEveryWay(std::string_view stored) {
    if (const auto text = DecodeText(stored)) {
        Check(DecodeText(EncodeText(*text)) == text);
        if (const auto number = TextToInteger(*text)) {
            Check(TextToInteger(std::to_string(*number)) == number);
        }
        (void)TextToColor(*text);
    }
    if (const auto bytes = DecodeBinary(stored)) {
        Check(DecodeBinary(EncodeBinary(*bytes)) == bytes);
    }
}

std::optional<std::string> Lookup(const IniDocument& document, std::string_view section,
                                  std::string_view name) {
    const auto stored = document.Find(section, name);
    return stored ? std::optional<std::string>(*stored) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    IniDocument document = IniDocument::Parse(bytes);
    Check(document.Serialize() == bytes);
    for (const auto& [section, name] : kProbes) {
        if (const auto stored = document.Find(section, name)) {
            ReadEveryWay(*stored);
        }
    }

    // The same bytes as one text value: its stored form is one line that
    // reading gives back unchanged.
    const std::string stored = EncodeText(bytes);
    Check(stored.find_first_of("\r\n") == std::string::npos);
    Check(stored.empty() || (stored.front() != ' ' && stored.back() != ' ' &&
                             stored.front() != '\t' && stored.back() != '\t'));
    Check(DecodeText(stored) == std::optional<std::string>(bytes));
    ReadEveryWay(bytes);

    // Writing a value into the damaged file changes that value only.
    std::optional<std::string> before[std::size(kProbes)];
    for (std::size_t i = 0; i < std::size(kProbes); ++i) {
        before[i] = Lookup(document, kProbes[i].first, kProbes[i].second);
    }
    document.Set("Search", "SearchLetter0", stored);
    const IniDocument reread = IniDocument::Parse(document.Serialize());
    for (std::size_t i = 0; i < std::size(kProbes); ++i) {
        const auto [section, name] = kProbes[i];
        const auto after = Lookup(reread, section, name);
        if (section == "Search" && name == "SearchLetter0") {
            Check(after && DecodeText(*after) == std::optional<std::string>(bytes));
        } else {
            Check(after == before[i]);
        }
    }
    document.Remove("search", "searchletter0");
    Check(!document.Find("Search", "SearchLetter0"));
    return 0;
}
