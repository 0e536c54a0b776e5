// The print job: every folded row of the document, one printed line each, in
// pages of RowsPerPage rows, with an optional head line. It draws through
// PrintTarget, which the printer implements and tests record.
#pragma once

#include "print/PrintLayout.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mojiro {

class TCustomEditor;

// A printing failure; the message is the one to show the user.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the job draws. Coordinates are device pixels from the top left of the
// printable area; y is the top of the text, not its baseline.
// Margins and spacing that leave no room for a single row.
inline constexpr std::string_view kNoRowFitsMessage =
    "余白と行間が大きすぎて、１行も印刷できません。";

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual void DrawText(int x, int y, std::string_view cp932) = 0;
    [[nodiscard]] virtual int TextWidth(std::string_view cp932) = 0;
    virtual void NewPage() = 0;
};

struct PrintOptions {
    bool pageNumbers = false;
    bool fileName = false;
    // The document's full file name as CP932 text, or the untitled name.
    std::string fileNameText;

    [[nodiscard]] bool HeadLine() const { return pageNumbers || fileName; }
};

// Prints all rows of the editor as folded on screen, tabs expanded and an
// empty row as one space. Pages break by counting rows, never by measuring.
// PrintError when the layout has no room for a row.
void PrintDocument(const TCustomEditor& editor, const PrintLayout& layout,
                   const PrintOptions& options, PrintTarget& target);

// The width of the widest row, tabs expanded, with `charWidth` giving the
// advance of one character (one or two CP932 bytes). Each distinct character
// is measured once, so a document of millions of rows costs one pass over its
// bytes.
using CharWidthFunction = std::function<double(std::string_view cp932Char)>;
[[nodiscard]] int MaxRowWidth(const TCustomEditor& editor, const CharWidthFunction& charWidth);

} // namespace mojiro
