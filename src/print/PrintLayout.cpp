#include "print/PrintLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mojiro {

namespace {

constexpr float kSpacingFactors[kSpacingCount] = {1.0f,  1.25f, 1.33333f, 1.5f, 1.66667f,
                                                  1.75f, 2.0f,  2.5f,     3.0f};

int ClampToRange(int value, const MarginRange& range) {
    return std::max(range.minimum, std::min(value, range.maximum));
}

} // namespace

int RoundHalfEven(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(whole, low, high));
}

int PixelsFromMm(int mm, int dpi) {
    return RoundHalfEven(mm / kMillimetresPerInch * dpi);
}

int MmFromPixels(int pixels, int dpi) {
    return dpi > 0 ? RoundHalfEven(pixels * kMillimetresPerInch / dpi) : 0;
}

int ValidSpacingIndex(int index) {
    return index >= 0 && index < kSpacingCount ? index : kDefaultSpacingIndex;
}

float SpacingFactorOf(int index) {
    return kSpacingFactors[ValidSpacingIndex(index)];
}

int PrintLayout::LinePitch() const {
    return RoundHalfEven(LineHeight * static_cast<double>(SpacingFactor));
}

MarginRange PrintLayout::LeftRange() const {
    return {MmFromPixels(OffsetX, DpiX), MmFromPixels(PageWidth, DpiX)};
}

MarginRange PrintLayout::TopRange() const {
    return {MmFromPixels(OffsetY, DpiY), MmFromPixels(PageHeight, DpiY)};
}

MarginRange PrintLayout::BottomRange() const {
    return {MmFromPixels(PhysicalHeight - OffsetY - PageHeight, DpiY),
            MmFromPixels(PageHeight, DpiY)};
}

int PrintLayout::CentredLeft() const {
    if (RowTooWide())
        return LeftRange().minimum;
    return MmFromPixels((PageWidth - MaxRowWidth) / 2 + OffsetX, DpiX);
}

PrintDialogValues InitialDialogValues(const PrintLayout& layout, const StoredPrintSettings& stored,
                                      bool centre) {
    PrintDialogValues values;
    const MarginRange left = layout.LeftRange();
    values.centre = centre;
    if (layout.RowTooWide()) {
        values.left = left.minimum;
    } else if (stored.LYohaku != 0) {
        values.centre = false;
        values.left = std::max(stored.LYohaku, left.minimum);
    } else {
        values.centre = true;
        values.left = layout.CentredLeft();
    }
    // The spin edits hold every value to their ranges.
    values.left = ClampToRange(values.left, left);
    values.top = ClampToRange(stored.TYohaku, layout.TopRange());
    values.bottom = ClampToRange(stored.BYohaku, layout.BottomRange());
    values.spacingIndex = ValidSpacingIndex(stored.Gyoukan);
    values.pageNumbers = stored.PagePrint;
    values.fileName = stored.FileNamePrint;
    return values;
}

void RecalcLayout(PrintLayout& layout, const PrintDialogValues& values, int rowCount) {
    layout.SpacingFactor = SpacingFactorOf(values.spacingIndex);
    const double factor = layout.SpacingFactor;
    const double pitch = layout.LineHeight * factor;
    const int top = PixelsFromMm(values.top, layout.DpiY) - layout.OffsetY;
    const int bottom = PixelsFromMm(values.bottom - layout.BottomRange().minimum, layout.DpiY);
    // The last row of a page needs no spacing below it.
    int available =
        layout.PageHeight - top - bottom + RoundHalfEven(layout.LineHeight * (factor - 1));
    if (values.HeadLine())
        available -= RoundHalfEven(pitch);
    int rows = pitch > 0 ? static_cast<int>(std::trunc(available / pitch)) : 0;
    if (values.HeadLine())
        rows -= 1;
    // With no room for a row every row would start a page and the page count
    // would divide by zero: the layout says so and the job refuses.
    if (rows < 1) {
        layout.RowsPerPage = 0;
        layout.PageCount = 0;
        return;
    }
    layout.RowsPerPage = rows;
    layout.PageCount = rowCount / rows + (rowCount % rows != 0 ? 1 : 0);
}

void ApplyMargins(PrintLayout& layout, const PrintDialogValues& values) {
    layout.LeftOffset = PixelsFromMm(values.left, layout.DpiX) - layout.OffsetX;
    layout.TopOffset = PixelsFromMm(values.top, layout.DpiY) - layout.OffsetY;
}

StoredPrintSettings SettingsToStore(const PrintDialogValues& values) {
    return {.LYohaku = values.centre ? 0 : values.left,
            .TYohaku = values.top,
            .BYohaku = values.bottom,
            .Gyoukan = values.spacingIndex,
            .PagePrint = values.pageNumbers,
            .FileNamePrint = values.fileName};
}

std::string PageHeadText(int page, int pageCount) {
    return "page" + std::to_string(page) + "/" + std::to_string(pageCount);
}

} // namespace mojiro
