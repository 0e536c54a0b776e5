// The Japanese era of a date changes on the first day of each era.
#include "platform/Cp932Codec.h"
#include "platform/JapaneseLocale.h"

#include <gtest/gtest.h>
#include <string>

namespace mojiro::japanese_locale {
namespace {

// Era name and year as one readable text: "平成1".
std::string EraOf(int year, int month, int day) {
    const EraYear era = JapaneseEra(year, month, day);
    return Cp932ToUtf8(era.name) + std::to_string(era.year);
}

TEST(JapaneseEra, EachEraBeginsOnItsFirstDayAndTheOldOneEndsTheDayBefore) {
    EXPECT_EQ("1868", EraOf(1868, 10, 22)); // before the first era: Gregorian
    EXPECT_EQ("明治1", EraOf(1868, 10, 23));
    EXPECT_EQ("明治45", EraOf(1912, 7, 29));
    EXPECT_EQ("大正1", EraOf(1912, 7, 30));
    EXPECT_EQ("大正15", EraOf(1926, 12, 24));
    EXPECT_EQ("昭和1", EraOf(1926, 12, 25));
    EXPECT_EQ("昭和64", EraOf(1989, 1, 7));
    EXPECT_EQ("平成1", EraOf(1989, 1, 8));
    EXPECT_EQ("平成31", EraOf(2019, 4, 30));
    EXPECT_EQ("令和1", EraOf(2019, 5, 1));
    EXPECT_EQ("平", Cp932ToUtf8(JapaneseEra(2000, 9, 3).shortName));
}

TEST(DayOfWeek, CountsFromSundayAcrossLeapDays) {
    EXPECT_EQ(0, DayOfWeek(2000, 9, 3));
    EXPECT_EQ(2, DayOfWeek(2000, 2, 29));
    EXPECT_EQ(3, DayOfWeek(2000, 3, 1));
    EXPECT_EQ(1, DayOfWeek(1900, 1, 1)); // 1900 is no leap year
}

} // namespace
} // namespace mojiro::japanese_locale
