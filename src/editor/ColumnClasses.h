// Column classes and tab expansion: the two derived forms of a row's bytes
// that tell every other part of the editor how wide text is on the grid,
// where a double-byte character begins and where a tab's fill lies.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace mojiro {

// One bit per byte value: the single-byte characters that separate words.
using Delimiters = std::bitset<256>;

// Control characters and ASCII punctuation, 0x80, the half-width kana
// punctuation 0xA0..0xA5 and 0xFD..0xFF. Letters, digits, "_" and the
// half-width katakana 0xA6..0xDF are word bytes.
[[nodiscard]] const Delimiters& DefaultDelimiters();

// How far a tab reaches: to the next multiple of the tab width, but never past
// the folding edge while folding is on.
struct TabRule {
    int tabWidth = 8;
    bool folding = false;
    int wrapByte = 80;

    // Columns covered by a tab starting at display column `column` (its own
    // column included); always at least 1.
    [[nodiscard]] int FillWidth(long long column) const;
};

// Class characters, one per display column.
constexpr char kClassWord = '1';
constexpr char kClassDelimiter = '2'; // also the first column of a tab
constexpr char kClassTabFill = '3';
constexpr char kClassLead = '4';
constexpr char kClassTrail = '5';

// Clears `out` and fills it with the class string of `text`. A lead byte is
// always a whole double-byte character ("45"), even as the last byte.
void ColumnClassesInto(std::string& out, std::string_view text, const TabRule& rule,
                       const Delimiters& delims);

[[nodiscard]] std::string ColumnClasses(std::string_view text, const TabRule& rule,
                                        const Delimiters& delims);

// The text with every tab replaced by the spaces it covers; every other byte
// is copied unchanged (a lone lead byte at the end stays one byte).
[[nodiscard]] std::string ExpandTabs(std::string_view text, const TabRule& rule);

// The number of display columns of `text`: the length of its class string.
[[nodiscard]] long long DisplayWidth(std::string_view text, const TabRule& rule);

} // namespace mojiro
