// Small value types shared by the text model and the editor control.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace mojiro {

// The platform's 32-bit colour reference: red + 256 * green + 65536 * blue, or
// 0x80000000 plus a system-colour index.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clActiveCaption = 0x80000002;

// A set of font styles, one bit each.
using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

// A mouse cursor: the platform's built-in cursors are negative, cursors the
// program installs from its own resources take the first free positive index.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crIBeam = -4;
constexpr TCursor crDrag = -12;
constexpr TCursor crRightArrow = 1;  // installed from the resource "RightArrow"
constexpr TCursor crDragSelCopy = 2; // installed from the resource "DragSelCopy"

// How a row ends. Stored in bits 0..3 of a row's datum.
enum class RowEndKind : std::uint8_t {
    LineEnd = 0,  // a CR LF follows the row in the text
    Wrapped = 1,  // the logical line continues on the next row
    OpenLast = 2, // last row of a text without a final line break
    None = 3,     // no row at all (range results and undo records only)
};

// Scanner state of a row: uncomputed, outside every enclosing pair, or inside
// the pair with index 0..13.
constexpr int kStateUncomputed = -2;
constexpr int kStateOutside = -1;
constexpr int kMaxBrackets = 14;

// The one error the text model raises on its own (a fifteenth enclosing pair),
// and the error a list raises for an index outside it.
class EditorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ListIndexError : public std::out_of_range {
public:
    explicit ListIndexError(long long index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

} // namespace mojiro

namespace mojiro {

// A file that cannot be opened, read or written; the message is the one to
// show the user.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace mojiro
