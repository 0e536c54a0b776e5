// Conversion between CP932 (Windows Shift-JIS) bytes and UTF-8. Document text
// stays CP932; only the edges of the program (drawing, clipboard, keyboard and
// input-method text, captions, file names, settings text) go through here.
//
// Single bytes: 0x00..0x7F are ASCII (0x5C is the backslash and 0x7E the
// tilde, as in Windows' table) and 0xA1..0xDF half-width katakana
// U+FF61..U+FF9F. 0x80, 0xA0 and 0xFD..0xFF are no characters: Windows gives
// some of them private code points, but no CP932 text means anything by them,
// so they decode to the placeholder like any other invalid byte.
//
// Double bytes: JIS X 0208, NEC row 13, the NEC-selected and IBM extensions,
// and the user-defined area 0xF040..0xF9FC (U+E000..U+E757, where a
// newspaper's own characters live). Where CP932 holds one character twice,
// the conversion from Unicode picks one form, as Windows does: the JIS X 0208
// code before NEC row 13, NEC row 13 before the IBM extensions, and the IBM
// extensions before their NEC-selected copies.
//
// All functions are safe to call from several threads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

// What CP932 text gets in place of a character it cannot hold.
inline constexpr std::string_view kCp932Replacement = "\x81\xAC"; // 〓

struct FromUnicodeResult {
    std::string bytes;
    // Characters CP932 cannot hold plus invalid UTF-8 sequences; each became 〓.
    int replaced = 0;
};

// Every character CP932 cannot hold becomes 〓 and is counted, and so does
// each invalid UTF-8 sequence (a truncated sequence counts once, a stray byte
// once). Nothing is dropped. Seven characters that Unicode has twice because
// JIS and Microsoft map them differently (¢ £ ¬ — ‖ − 〜) are taken in either
// form and become the one CP932 character they stand for; the yen sign and
// the overline are not folded into 0x5C and 0x7E, since those bytes show as
// backslash and tilde here.
[[nodiscard]] FromUnicodeResult Utf8ToCp932(std::string_view utf8);

// Every valid character converts; NUL bytes stay U+0000. Every byte that is
// not part of a valid character becomes one placeholder, so that a caller
// giving each byte its own cell keeps the cells aligned:
// - a lead byte with a trail byte (0x40..0x7E, 0x80..0xFC) that together make
//   no character: two placeholders, both bytes consumed (an unknown character
//   from some other vendor's table, not a lead byte plus a letter);
// - a lead byte followed by a byte that cannot be a trail byte (a control
//   character, a space, a digit ...) or by the end of the text: one
//   placeholder, and the next byte is decoded on its own, so a line break
//   after a stray lead byte survives;
// - 0x80, 0xA0 and 0xFD..0xFF: one placeholder each.
[[nodiscard]] std::string Cp932ToUtf8(std::string_view cp932,
                                      std::string_view placeholder = "\xEF\xBF\xBD");

// Whether the two bytes form a double-byte character of CP932.
[[nodiscard]] bool IsValidCp932Char(unsigned char lead, unsigned char trail);

// Every valid double-byte character, as lead * 256 + trail, in ascending order.
[[nodiscard]] std::vector<std::uint16_t> AllCp932DoubleByteChars();

} // namespace mojiro
