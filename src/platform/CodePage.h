// The system code page of the document text: Windows Shift-JIS (CP932).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mojiro {

// A lead byte starts a double-byte character; the byte after it is its trail
// byte whatever its value.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char b) {
    return IsLeadByte(static_cast<unsigned char>(b));
}

// Length in bytes of the character starting at text[i]: 2 for a lead byte
// (even at the end of the text, where only one byte remains), else 1.
constexpr std::size_t CharLength(std::string_view text, std::size_t i) {
    return IsLeadByte(text[i]) ? 2 : 1;
}

// Upper case of the code page: changes single-byte a..z only, never a trail byte.
std::string AnsiUpperCase(std::string_view text);

// Whether two texts are equal without regard to letter case, as the system's
// Japanese text comparison sees it: half-width and full-width Latin letters,
// and the Greek and Cyrillic letters of the code page, each with its own
// other case (a full-width letter never equals a half-width one).
[[nodiscard]] bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace mojiro
