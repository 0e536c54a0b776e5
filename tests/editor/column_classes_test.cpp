#include "editor/ColumnClasses.h"

#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

const TabRule kTab8{};
const TabRule kTab4{4, false, 80};

std::string Classes(std::string_view text, const TabRule& rule = kTab8) {
    return ColumnClasses(text, rule, DefaultDelimiters());
}

TEST(ColumnClassesTest, WordBytesDelimitersAndDoubleByteHalves) {
    EXPECT_EQ(Classes("ab"), "11");
    EXPECT_EQ(Classes("a,"), "12");
    EXPECT_EQ(Classes("\x8a\xbf"), "45"); // 漢
    EXPECT_EQ(Classes("_9 \x82\xa0z"), "11245"
                                       "1"); // "_9 あz"
}

TEST(ColumnClassesTest, TabCoversColumnsToNextTabStop) {
    EXPECT_EQ(Classes("a\tb", kTab4), "1233"
                                      "1");
    EXPECT_EQ(Classes("\t", kTab4), "2333");
    EXPECT_EQ(Classes("abcd\t", kTab4), "1111"
                                        "2333");
    // A double-byte character moves the tab stop by two columns.
    EXPECT_EQ(Classes("\x82\xa0\t", kTab4), "45"
                                            "23"); // あ
}

TEST(ColumnClassesTest, TabNeverReachesPastTheFoldingEdge) {
    const TabRule folding{8, true, 20};
    const std::string text = std::string(18, 'a') + "\tb";
    EXPECT_EQ(Classes(text, folding), std::string(18, '1') + "23" + "1");
    EXPECT_EQ(folding.FillWidth(18), 2);
    // Without folding the same tab runs to the tab stop at 24.
    EXPECT_EQ(Classes(text, kTab8), std::string(18, '1') + "233333" + "1");
    // On a logical line longer than one row the edge repeats every 20 columns.
    EXPECT_EQ(folding.FillWidth(58), 2);
}

TEST(ColumnClassesTest, LeadByteTakesTheNextByteWhateverItIs) {
    // A tab or a comma as trail byte is part of the character, not a tab stop.
    EXPECT_EQ(Classes("\x81\t"
                      "a"),
              "45"
              "1");
    EXPECT_EQ(Classes("\x95,"), "45");
    // A lead byte as the last byte still counts as a whole character.
    EXPECT_EQ(Classes("a\x88"), "145");
    EXPECT_EQ(DisplayWidth("a\x88", kTab8), 3);
}

TEST(ColumnClassesTest, HalfWidthKanaAreWordsAndKanaPunctuationDelimits) {
    EXPECT_EQ(Classes("\xa6\xb1\xdf"), "111");                // ｦｱﾟ
    EXPECT_EQ(Classes("\xa0\xa1\xa2\xa3\xa4\xa5"), "222222"); // 0xA0 and ｡｢｣､･
}

TEST(ColumnClassesTest, DefaultDelimiterSetHoldsExactlyItsRanges) {
    const Delimiters& d = DefaultDelimiters();
    EXPECT_EQ(d.count(), 75u);
    EXPECT_TRUE(d[0x00] && d[0x2F] && d[0x3A] && d[0x40] && d[0x5B] && d[0x5E] && d[0x60]);
    EXPECT_TRUE(d[0x7B] && d[0x80] && d[0xA0] && d[0xA5] && d[0xFD] && d[0xFF]);
    EXPECT_FALSE(d['0'] || d['9'] || d['A'] || d['Z'] || d['_'] || d['a'] || d['z']);
    EXPECT_FALSE(d[0xA6] || d[0xDF]);
}

TEST(ColumnClassesTest, IntoReplacesThePreviousContent) {
    std::string out = "stale";
    ColumnClassesInto(out, "a,", kTab8, DefaultDelimiters());
    EXPECT_EQ(out, "12");
    ColumnClassesInto(out, "", kTab8, DefaultDelimiters());
    EXPECT_EQ(out, "");
}

TEST(ColumnClassesTest, DisplayWidthIsTheLengthOfTheClassString) {
    const TabRule folding{4, true, 20};
    const std::string text = "ab\t\x8a\xbf\tx\x81\t\t" + std::string(13, 'c') + "\t\x88";
    EXPECT_EQ(DisplayWidth(text, folding), static_cast<long long>(Classes(text, folding).size()));
    EXPECT_EQ(DisplayWidth("", folding), 0);
}

TEST(ExpandTabsTest, ReplacesEachTabByTheSpacesItCovers) {
    EXPECT_EQ(ExpandTabs("a\tb", kTab4), "a   b");
    EXPECT_EQ(ExpandTabs("\x82\xa0\tb", kTab4), "\x82\xa0  b"); // あ
    const TabRule folding{8, true, 20};
    EXPECT_EQ(ExpandTabs(std::string(18, 'a') + "\t", folding), std::string(18, 'a') + "  ");
}

TEST(ExpandTabsTest, KeepsEveryOtherByteUnchanged) {
    EXPECT_EQ(ExpandTabs("\x81\t"
                         "a\t",
                         kTab4),
              "\x81\t"
              "a "); // trail byte 0x09 kept
    EXPECT_EQ(ExpandTabs("ab\x88", kTab4), "ab\x88");
    EXPECT_EQ(ExpandTabs("\t\x88", kTab4), "    \x88");
    EXPECT_EQ(ExpandTabs(std::string("a\0b", 3), kTab4), std::string("a\0b", 3));
}

} // namespace
} // namespace mojiro
