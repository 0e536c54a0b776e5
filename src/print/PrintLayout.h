// The page layout of a print job: the printer's metrics, the margins the user
// chose in millimetres, and what follows from them (rows per page, page
// count, where the text starts). Plain arithmetic with no printer attached, so
// that the dialog and the job share one set of rules and tests need no
// printer.
#pragma once

#include <string>

namespace mojiro {

// Millimetres per inch as the layout has always converted them (not 25.4):
// margins stored by earlier versions must give the same pixels.
inline constexpr double kMillimetresPerInch = 25.39999;

// Nearest integer, halves to the even neighbour.
[[nodiscard]] int RoundHalfEven(double value);
[[nodiscard]] int PixelsFromMm(int mm, int dpi);
[[nodiscard]] int MmFromPixels(int pixels, int dpi);

// Line spacing choices 0 ("0") to 8 ("2"): the line pitch is the line height
// times the factor. The factors are single-precision values as written
// (1.33333, not 4/3), so that row counts match earlier versions.
inline constexpr int kSpacingCount = 9;
inline constexpr int kDefaultSpacingIndex = 2;
[[nodiscard]] float SpacingFactorOf(int index);
// The index itself, or the default for one outside the table.
[[nodiscard]] int ValidSpacingIndex(int index);

// A spin edit's range in millimetres.
struct MarginRange {
    int minimum = 0;
    int maximum = 0;
};

// What the dialog shows and the user changes: margins in millimetres, the
// spacing index and the two head-line options.
struct PrintDialogValues {
    int left = 0;
    int top = 0;
    int bottom = 0;
    bool centre = false;
    int spacingIndex = kDefaultSpacingIndex;
    bool pageNumbers = false;
    bool fileName = false;

    [[nodiscard]] bool HeadLine() const { return pageNumbers || fileName; }
    bool operator==(const PrintDialogValues&) const = default;
};

// The six print values of the settings store, with their defaults.
struct StoredPrintSettings {
    int LYohaku = 0; // 0: centre the text
    int TYohaku = 15;
    int BYohaku = 15;
    int Gyoukan = kDefaultSpacingIndex;
    bool PagePrint = false;
    bool FileNamePrint = false;
};

// Lengths in printer device pixels.
struct PrintLayout {
    int DpiX = 0;
    int DpiY = 0;
    int OffsetX = 0; // unprintable strip at the left of the paper
    int OffsetY = 0; // and at the top
    int PhysicalHeight = 0;
    int PageWidth = 0; // printable area
    int PageHeight = 0;
    int LineHeight = 0;  // height of "漢" in the editor's font
    int MaxRowWidth = 0; // widest row, tabs expanded
    float SpacingFactor = 1.0f;
    int RowsPerPage = 0;
    int PageCount = 0;
    int LeftOffset = 0; // x of the text within the printable area
    int TopOffset = 0;  // y of the first line on a page

    // The pitch from one printed line to the next.
    [[nodiscard]] int LinePitch() const;
    [[nodiscard]] MarginRange LeftRange() const;
    [[nodiscard]] MarginRange TopRange() const;
    // Its minimum is the unprintable strip at the foot of the paper.
    [[nodiscard]] MarginRange BottomRange() const;
    [[nodiscard]] bool RowTooWide() const { return MaxRowWidth > PageWidth; }
    // The left margin that centres the widest row; the left minimum when the
    // row does not fit.
    [[nodiscard]] int CentredLeft() const;
    // Whether the margins and spacing leave room for at least one row.
    [[nodiscard]] bool Printable() const { return RowsPerPage >= 1; }
};

// The dialog's values when it is shown: the stored settings fitted to the
// printer. `centre` is the centring check box as it stands, which a row too
// wide for the paper leaves alone.
[[nodiscard]] PrintDialogValues InitialDialogValues(const PrintLayout& layout,
                                                    const StoredPrintSettings& stored, bool centre);

// The spacing factor, RowsPerPage and PageCount for `rowCount` rows. A head
// line takes two line pitches. When no row fits, RowsPerPage and PageCount
// are 0 and the layout is not Printable.
void RecalcLayout(PrintLayout& layout, const PrintDialogValues& values, int rowCount);

// The accepted margins as the job's offsets within the printable area.
void ApplyMargins(PrintLayout& layout, const PrintDialogValues& values);

// What the store keeps of accepted values: a centred left margin is kept as
// 0, so that the next print centres again on whatever printer it uses.
[[nodiscard]] StoredPrintSettings SettingsToStore(const PrintDialogValues& values);

// The page number of the head line: "page3/5".
[[nodiscard]] std::string PageHeadText(int page, int pageCount);

} // namespace mojiro
