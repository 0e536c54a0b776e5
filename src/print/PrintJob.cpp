#include "print/PrintJob.h"

#include "editor/CustomEditor.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mojiro {

namespace {

// Draws the page number at the right and the file name at the left, then
// moves y two line pitches down to the body.
void PrintPageHead(const PrintLayout& layout, const PrintOptions& options, int page, int& y,
                   PrintTarget& target) {
    constexpr int kHeadInset = 40;
    if (options.pageNumbers) {
        const std::string text = PageHeadText(page, layout.PageCount);
        target.DrawText(layout.PageWidth - target.TextWidth(text) - kHeadInset, y, text);
    }
    if (options.fileName)
        target.DrawText(kHeadInset, y, options.fileNameText);
    y += RoundHalfEven(layout.LineHeight * static_cast<double>(layout.SpacingFactor) * 2);
}

// Advances of single bytes and of double-byte characters, measured on first
// use.
class CharWidthCache {
public:
    explicit CharWidthCache(const CharWidthFunction& measure)
        : measure_(measure), widths_(256 + 65536, kUnknown) {}

    double Width(std::string_view text) {
        double width = 0;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = std::min(CharLength(text, i), text.size() - i);
            const std::string_view ch = text.substr(i, length);
            const std::size_t slot = length == 1 ? static_cast<unsigned char>(ch[0])
                                                 : 256 + static_cast<unsigned char>(ch[0]) * 256u +
                                                       static_cast<unsigned char>(ch[1]);
            if (widths_[slot] == kUnknown)
                widths_[slot] = measure_(ch);
            width += widths_[slot];
            i += length;
        }
        return width;
    }

private:
    static constexpr double kUnknown = -1;
    const CharWidthFunction& measure_;
    std::vector<double> widths_;
};

} // namespace

void PrintDocument(const TCustomEditor& editor, const PrintLayout& layout,
                   const PrintOptions& options, PrintTarget& target) {
    if (!layout.Printable())
        throw PrintError(std::string(kNoRowFitsMessage));
    const int pitch = layout.LinePitch();
    int page = 1;
    int y = layout.TopOffset;
    if (options.HeadLine())
        PrintPageHead(layout, options, page, y, target);
    const int last = editor.RowCount() - 1;
    int onPage = 0;
    for (int row = 0; row <= last; ++row) {
        std::string text = editor.ExpandedRowString(row);
        if (text.empty())
            text = " ";
        target.DrawText(layout.LeftOffset, y, text);
        ++onPage;
        if (row == last || onPage < layout.RowsPerPage) {
            y += pitch;
        } else {
            target.NewPage();
            y = layout.TopOffset;
            ++page;
            if (options.HeadLine())
                PrintPageHead(layout, options, page, y, target);
            onPage = 0;
        }
    }
}

int MaxRowWidth(const TCustomEditor& editor, const CharWidthFunction& charWidth) {
    CharWidthCache cache(charWidth);
    double widest = 0;
    const int rows = editor.RowCount();
    for (int row = 0; row < rows; ++row)
        widest = std::max(widest, cache.Width(editor.ExpandedRowString(row)));
    // Rounded up: a row a fraction of a pixel too wide is too wide.
    return static_cast<int>(std::ceil(widest));
}

} // namespace mojiro
