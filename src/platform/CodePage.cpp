#include "platform/CodePage.h"

namespace mojiro {

std::string AnsiUpperCase(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto b = static_cast<unsigned char>(result[i]);
        if (IsLeadByte(b)) {
            ++i; // skip the trail byte: 0x61..0x7A there is not a letter
        } else if (b >= 'a' && b <= 'z') {
            result[i] = static_cast<char>(b - 'a' + 'A');
        }
    }
    return result;
}

namespace {

// The upper-case form of the character at text[i] as one number: a single
// byte, or lead * 256 + trail.
unsigned FoldedChar(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(b) || i + 1 >= text.size())
        return b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b;
    const unsigned code = b * 256U + static_cast<unsigned char>(text[i + 1]);
    if (code >= 0x8281 && code <= 0x829A) // full-width a..z
        return code - 0x21;
    if (code >= 0x83BF && code <= 0x83D6) // Greek alpha..omega
        return code - 0x20;
    if (code >= 0x8470 && code <= 0x847E) // Cyrillic a..n
        return code - 0x30;
    if (code >= 0x8480 && code <= 0x8491) // Cyrillic o..ya, after the gap at 0x847F
        return code - 0x31;
    return code;
}

} // namespace

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldedChar(a, i) != FoldedChar(b, j))
            return false;
        i += CharLength(a, i);
        j += CharLength(b, j);
    }
    return i >= a.size() && j >= b.size();
}

} // namespace mojiro
