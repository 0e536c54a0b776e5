// How values look in the settings file. The program's texts are CP932 bytes;
// the file is UTF-8 so that people can read and edit it. Every stored value is
// one line after "Name=", in one of three forms:
//
// - plain: the UTF-8 form of a text, used when converting it back gives the
//   same bytes and it holds no control character, does not begin or end with
//   a space or tab, and does not begin with '"' or "hex:";
// - quoted: '"' ... '"' for every other text. Inside, \\ and \" stand for a
//   backslash and a quotation mark, \r \n \t for CR, LF and tab, and \xHH
//   for one raw CP932 byte (a byte that is no valid character, a control
//   character, or a character whose UTF-8 form would come back as another
//   code); everything else is UTF-8;
// - binary: "hex:" followed by two lower-case hexadecimal digits per byte.
//
// So every text, whatever its bytes, and every binary value round-trips
// exactly, and an ordinary text stays readable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mojiro {

// Stored form of a CP932 text.
[[nodiscard]] std::string EncodeText(std::string_view cp932);

// The CP932 text a stored form stands for; nothing when it is not a valid
// text form (a damaged quoted form, invalid UTF-8, or a binary value).
// Characters CP932 cannot hold (typed into the file by hand) become 〓.
[[nodiscard]] std::optional<std::string> DecodeText(std::string_view stored);

// Stored form of binary bytes.
[[nodiscard]] std::string EncodeBinary(std::string_view bytes);

// Whether a stored value is in the binary form, damaged or not.
[[nodiscard]] bool IsBinaryForm(std::string_view stored);

// The bytes of a binary form; nothing when it is not one or is damaged.
[[nodiscard]] std::optional<std::string> DecodeBinary(std::string_view stored);

// An integer as text: decimal digits after an optional sign, or hexadecimal
// digits after "$" (up to 32 bits, read as two's complement, so "$FFFFFFFF"
// is -1). A text longer than two characters that begins with "0x" or "0X" is
// read as "$" followed by the rest. Anything else, an empty text or a decimal
// number outside int, gives nothing.
[[nodiscard]] std::optional<int> TextToInteger(std::string_view text);

} // namespace mojiro
