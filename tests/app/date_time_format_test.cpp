// The date-time format language of the date command. Formats and results are
// CP932; the cases are written and compared in UTF-8 to stay readable.
#include "app/DateTimeFormat.h"
#include "platform/Cp932Codec.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace mojiro {
namespace {

// Sunday, 3 September 2000, 17:07:42.
constexpr LocalDateTime kAfternoon{2000, 9, 3, 17, 7, 42};

std::string Format(std::string_view utf8Format, const LocalDateTime& when = kAfternoon) {
    return Cp932ToUtf8(FormatDateTime(Utf8ToCp932(utf8Format).bytes, when));
}

TEST(FormatDateTime, DefaultTodayLetterReadsAsAFullJapaneseDateAndTime) {
    EXPECT_EQ("2000年9月3日日曜日午後5時7分42秒", Format(R"(ddddddaaaaampmh"時"m"分"s"秒")"));
}

TEST(FormatDateTime, NumbersWithAndWithoutLeadingZerosInEitherCase) {
    EXPECT_EQ("2000/9/3 17:7:42", Format("yyyy/m/d h:n:s"));
    EXPECT_EQ("05/01/02 03:04:05", Format("YY/Mm/dD hH:NN:ss", {2005, 1, 2, 3, 4, 5}));
}

TEST(FormatDateTime, MAfterAnHourWithOnlyLiteralTextBetweenMeansMinutes) {
    EXPECT_EQ("17:07", Format("hh:mm"));
    EXPECT_EQ("09 17時07", Format("mm hh時mm"));
    EXPECT_EQ("17 3 9", Format("h d m")); // another specifier between: the month
}

TEST(FormatDateTime, HoursCountToTwelveWithAnAmPmSpecifierBeforeOrAfterThem) {
    EXPECT_EQ("午前12:05", Format("ampmh:nn", {2000, 9, 3, 0, 5, 0}));
    EXPECT_EQ("0:05", Format("h:nn", {2000, 9, 3, 0, 5, 0}));
    EXPECT_EQ("05 PM", Format("hh AM/PM"));
    EXPECT_EQ("9 a", Format("h a/p", {2000, 9, 3, 9, 0, 0}));
    EXPECT_EQ("12 Pm", Format("h aM/Pm", {2000, 9, 3, 12, 0, 0})); // in the case written
}

TEST(FormatDateTime, LocaleNamesAndFormats) {
    EXPECT_EQ("日 日曜日 日 日曜日 9月 9月", Format("ddd dddd aaa aaaa mmm mmmm"));
    EXPECT_EQ("00/09/03 2000年9月3日 17:07 17:07:42", Format("ddddd dddddd t tt"));
    EXPECT_EQ("00/09/03 17:07:42", Format("c"));
    EXPECT_EQ("00/09/03", Format("c", {2000, 9, 3, 0, 0, 0}));
    EXPECT_EQ("平成12年 平12 令和01",
              Format(R"(ggge"年" ge)") + " " + Format("ggee", {2019, 5, 1, 0, 0, 0}));
}

// 年 is 0x94 0x4E: its trail byte must not be read as the minute letter "N".
TEST(FormatDateTime, QuotedTextDoubleByteCharactersAndOtherCharactersAreCopied) {
    EXPECT_EQ("d'h 3 [x] q", Format(R"("d'h" d [x] q)"));
    EXPECT_EQ("dd 3 rest", Format(R"('dd' d" rest)")); // an unclosed quotation runs to the end
    EXPECT_EQ("2000年9月3日", Format("yyyy年m月d日"));
}

} // namespace
} // namespace mojiro
