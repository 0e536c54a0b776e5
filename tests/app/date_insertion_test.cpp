// The text of the date command in its three styles.
#include "FileTestSupport.h"
#include "app/DateInsertion.h"
#include "platform/Cp932Codec.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

class TodayTextTest : public ::testing::Test {
protected:
    void SetUp() override { store.Open(); }

    [[nodiscard]] std::string Today(int style, int day) const {
        return Cp932ToUtf8(TodayText(style, {2000, 9, day, 17, 7, 42}, store));
    }

    test::TempFolder folder;
    SettingsStore store{folder / "Mojiro.ini"};
};

TEST_F(TodayTextTest, KanjiStyleWritesTensAndUnitsAndServesUnknownStyles) {
    EXPECT_EQ("三日", Today(0, 3));
    EXPECT_EQ("十日", Today(0, 10));
    EXPECT_EQ("十五日", Today(0, 15));
    EXPECT_EQ("二十日", Today(0, 20));
    EXPECT_EQ("三十一日", Today(0, 31));
    EXPECT_EQ("三日", Today(7, 3)); // an unknown style is this one
}

TEST_F(TodayTextTest, DigitStyleIsFullWidthBelowTenAndHalfWidthFromTen) {
    EXPECT_EQ("１日", Today(1, 1));
    EXPECT_EQ("３日", Today(1, 3));
    EXPECT_EQ("９日", Today(1, 9));
    EXPECT_EQ("10日", Today(1, 10));
    EXPECT_EQ("15日", Today(1, 15));
}

TEST_F(TodayTextTest, UserStyleReadsTheFormatFromTheStoreAtEachCall) {
    EXPECT_EQ("2000年9月3日日曜日午後5時7分42秒", Today(2, 3));
    WriteSetting(store, TextSetting{"Option", "TodayLetter"}, "yyyy/mm/dd");
    EXPECT_EQ("2000/09/03", Today(2, 3));
}

} // namespace
} // namespace mojiro
