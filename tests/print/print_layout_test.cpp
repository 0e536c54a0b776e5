// The page layout: millimetre conversion, the dialog's starting values, rows
// per page, page count and the head line's page number.
#include "print/PrintLayout.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

// A4 at 600 dpi with unprintable strips of 5 mm (118 pixels) all round; the
// editor's line is 100 pixels high and its widest row 4000 pixels wide.
PrintLayout A4With5mmStrips() {
    PrintLayout layout;
    layout.DpiX = layout.DpiY = 600;
    layout.OffsetX = layout.OffsetY = 118;
    layout.PhysicalHeight = 7016;
    layout.PageWidth = 4725;
    layout.PageHeight = 6780;
    layout.LineHeight = 100;
    layout.MaxRowWidth = 4000;
    return layout;
}

PrintDialogValues Margins15(int spacingIndex, bool pageNumbers = false) {
    return {.left = 20,
            .top = 15,
            .bottom = 15,
            .spacingIndex = spacingIndex,
            .pageNumbers = pageNumbers};
}

TEST(PrintUnits, RoundHalvesToEven) {
    EXPECT_EQ(2, RoundHalfEven(2.5));
    EXPECT_EQ(4, RoundHalfEven(3.5));
    EXPECT_EQ(0, RoundHalfEven(-0.5));
    EXPECT_EQ(3, RoundHalfEven(2.51));
}

TEST(PrintUnits, ConvertWithTheShortInch) {
    EXPECT_EQ(354, PixelsFromMm(15, 600));
    EXPECT_EQ(5, MmFromPixels(118, 600));
    // 15 pixels at 254 dpi are 1.5 mm with 25.4 but just under with 25.39999.
    EXPECT_EQ(1, MmFromPixels(15, 254));
}

TEST(PrintDialogStart, DefaultsCentreTheTextWithinTheStrips) {
    const PrintLayout layout = A4With5mmStrips();
    EXPECT_EQ(5, layout.LeftRange().minimum);
    EXPECT_EQ(5, layout.TopRange().minimum);
    EXPECT_EQ(5, layout.BottomRange().minimum);
    EXPECT_EQ(287, layout.TopRange().maximum);

    const PrintDialogValues values = InitialDialogValues(layout, StoredPrintSettings{}, false);
    // (4725 - 4000) / 2 + 118 = 480 pixels = 20.3 mm.
    const PrintDialogValues expected{.left = 20, .top = 15, .bottom = 15, .centre = true};
    EXPECT_EQ(expected, values);
}

TEST(PrintDialogStart, StoredLeftMarginTurnsCentringOffAndKeepsToTheStrip) {
    const PrintLayout layout = A4With5mmStrips();
    EXPECT_EQ(25, InitialDialogValues(layout, {.LYohaku = 25}, true).left);
    EXPECT_FALSE(InitialDialogValues(layout, {.LYohaku = 25}, true).centre);
    EXPECT_EQ(5, InitialDialogValues(layout, {.LYohaku = 3}, true).left);
}

TEST(PrintDialogStart, RowTooWideTakesTheMinimumAndLeavesCentringAlone) {
    PrintLayout layout = A4With5mmStrips();
    layout.MaxRowWidth = 4726;
    EXPECT_TRUE(layout.RowTooWide());
    const PrintDialogValues centred = InitialDialogValues(layout, {.LYohaku = 25}, true);
    EXPECT_EQ(5, centred.left);
    EXPECT_TRUE(centred.centre);
    EXPECT_FALSE(InitialDialogValues(layout, {}, false).centre);
    EXPECT_EQ(5, layout.CentredLeft());
}

TEST(PrintDialogStart, OutOfRangeStoredValuesAreHeldToTheControls) {
    const PrintDialogValues values = InitialDialogValues(
        A4With5mmStrips(), {.TYohaku = 900, .BYohaku = 1, .Gyoukan = 12}, false);
    EXPECT_EQ(287, values.top);
    EXPECT_EQ(5, values.bottom);
    EXPECT_EQ(kDefaultSpacingIndex, values.spacingIndex);
}

TEST(RecalcLayout, PlainSpacingFillsTheAreaBetweenTheMargins) {
    PrintLayout layout = A4With5mmStrips();
    RecalcLayout(layout, Margins15(0), 100);
    // top 354 - 118 = 236, bottom px(15 - 5) = 236: (6780 - 472) / 100.
    EXPECT_EQ(63, layout.RowsPerPage);
    EXPECT_EQ(2, layout.PageCount);
}

TEST(RecalcLayout, SingleFactorsAreUsedAsWritten) {
    PrintLayout layout = A4With5mmStrips();
    RecalcLayout(layout, Margins15(2), 0);
    EXPECT_EQ(1.33333f, layout.SpacingFactor);
    // 6308 + round(33.333) = 6341; 6341 / 133.333 = 47.56.
    EXPECT_EQ(47, layout.RowsPerPage);
    EXPECT_EQ(133, layout.LinePitch());
}

TEST(RecalcLayout, HeadLineTakesTwoPitchesFromAWholePixelPitch) {
    PrintLayout layout = A4With5mmStrips();
    RecalcLayout(layout, Margins15(6), 10);
    const int without = layout.RowsPerPage;
    RecalcLayout(layout, Margins15(6, true), 10);
    EXPECT_EQ(32, without);
    EXPECT_EQ(without - 2, layout.RowsPerPage);
}

TEST(RecalcLayout, PageCountRoundsUpOnlyForARemainder) {
    PrintLayout layout = A4With5mmStrips();
    RecalcLayout(layout, Margins15(0), 63);
    EXPECT_EQ(1, layout.PageCount);
    RecalcLayout(layout, Margins15(0), 64);
    EXPECT_EQ(2, layout.PageCount);
}

TEST(RecalcLayout, NoRoomForARowMakesTheLayoutUnprintable) {
    PrintLayout layout = A4With5mmStrips();
    RecalcLayout(layout, {.top = 280, .bottom = 15, .spacingIndex = 8, .pageNumbers = true}, 10);
    EXPECT_EQ(0, layout.RowsPerPage);
    EXPECT_EQ(0, layout.PageCount);
    EXPECT_FALSE(layout.Printable());
    layout.LineHeight = 0;
    RecalcLayout(layout, Margins15(0), 10);
    EXPECT_FALSE(layout.Printable());
}

TEST(PrintAccept, MarginsBecomeOffsetsAndCentringStoresZero) {
    PrintLayout layout = A4With5mmStrips();
    PrintDialogValues values = Margins15(3);
    values.centre = true;
    ApplyMargins(layout, values);
    EXPECT_EQ(472 - 118, layout.LeftOffset);
    EXPECT_EQ(354 - 118, layout.TopOffset);
    EXPECT_EQ(0, SettingsToStore(values).LYohaku);
    values.centre = false;
    EXPECT_EQ(20, SettingsToStore(values).LYohaku);
    EXPECT_EQ(3, SettingsToStore(values).Gyoukan);
}

TEST(PrintHeadLine, PageNumberReadsPageOfPages) {
    EXPECT_EQ("page3/5", PageHeadText(3, 5));
}

} // namespace
} // namespace mojiro
