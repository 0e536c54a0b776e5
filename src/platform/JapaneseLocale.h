// The Japanese locale's date and time names and formats, as fixed tables:
// the program formats dates the same way whatever locale the machine has.
// All texts are CP932 bytes.
#pragma once

#include <string_view>

namespace mojiro::japanese_locale {

// Weekdays count from Sunday (0) to Saturday (6), months from 1 to 12.
[[nodiscard]] std::string_view ShortDayName(int weekday);
[[nodiscard]] std::string_view LongDayName(int weekday);
[[nodiscard]] std::string_view ShortMonthName(int month);
[[nodiscard]] std::string_view LongMonthName(int month);

inline constexpr std::string_view kTimeAm = "\x8C\xDF\x91\x4F"; // 午前
inline constexpr std::string_view kTimePm = "\x8C\xDF\x8C\xE3"; // 午後
inline constexpr char kDateSeparator = '/';
inline constexpr char kTimeSeparator = ':';

// The locale's formats, written in the date-time format language: "/" and
// ":" stand for the separators above, quoted text is literal.
inline constexpr std::string_view kShortDateFormat = "yy/mm/dd";
inline constexpr std::string_view kLongDateFormat =
    "yyyy\"\x94\x4E\"m\"\x8C\x8E\"d\"\x93\xFA\""; // yyyy年m月d日
inline constexpr std::string_view kShortTimeFormat = "h:nn";
inline constexpr std::string_view kLongTimeFormat = "h:nn:ss";

// 0 for Sunday … 6 for Saturday, in the proleptic Gregorian calendar.
[[nodiscard]] int DayOfWeek(int year, int month, int day);

// The Japanese era of a date and the year counted in it (the first year of
// an era is 1). Before the first era the name is empty and the year is the
// Gregorian year.
struct EraYear {
    std::string_view name;      // 平成
    std::string_view shortName; // 平: the first character of the name
    int year = 0;
};
[[nodiscard]] EraYear JapaneseEra(int year, int month, int day);

} // namespace mojiro::japanese_locale
