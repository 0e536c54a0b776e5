// Stored colour values on screen: plain colours by their bytes, system
// colours through the palette, so that they follow the desktop's theme.
#include "QtTestApp.h"
#include "editor/control/SystemColors.h"

#include <QPalette>
#include <gtest/gtest.h>

namespace mojiro::test {
namespace {

TEST(SystemColorsTest, PlainColourIsRedGreenBlueFromTheLowBytes) {
    EXPECT_EQ(TColorToQColor(0x00336699, QPalette()), QColor(0x99, 0x66, 0x33));
    // A palette-relative colour reference names the same colour.
    EXPECT_EQ(TColorToQColor(0x02336699, QPalette()), QColor(0x99, 0x66, 0x33));
}

TEST(SystemColorsTest, SystemColoursFollowThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
    palette.setColor(QPalette::HighlightedText, QColor(10, 11, 12));

    EXPECT_EQ(TColorToQColor(clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(TColorToQColor(clWindowText, palette), QColor(4, 5, 6));
    EXPECT_EQ(TColorToQColor(0x8000000D, palette), QColor(7, 8, 9));    // highlight
    EXPECT_EQ(TColorToQColor(0x8000000E, palette), QColor(10, 11, 12)); // highlight text
}

TEST(SystemColorsTest, SystemIndexBeyondTheTableIsBlack) {
    EXPECT_EQ(TColorToQColor(0x80000000 + kSystemColorCount, QPalette()), QColor(Qt::black));
    EXPECT_EQ(TColorToQColor(0xFFFFFFFF, QPalette()), QColor(Qt::black));
}

TEST(SystemColorsTest, StylesMapToTheFontsFlagsAndBack) {
    const QFont font = StyledFont(QFont(), fsBold | fsStrikeOut);

    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(FontStylesOf(font), fsBold | fsStrikeOut);
}

} // namespace
} // namespace mojiro::test
