// Formatting a date and time with a user's format text in the format
// language of the date command: "yyyy/mm/dd", "dddddd", "ampmh\"時\"m\"分\""
// and so on, with the Japanese locale's names. Format and result are CP932.
#pragma once

#include <string>
#include <string_view>

namespace mojiro {

// A calendar date and a time of day, with no time zone.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

// Specifier letters are accepted in either case; any text that is not a
// specifier is copied, so no format is rejected. "m" and "mm" directly after
// an hour (only literal text between) are minutes. An am/pm specifier
// anywhere in the format makes the hours count from 1 to 12. Eras: "g" gives
// the era's first character (平), "gg" and longer its name (平成); "e" the
// year of the era (12), "ee" and longer two digits (01). Before the first era
// the name is empty and the year is the Gregorian one.
[[nodiscard]] std::string FormatDateTime(std::string_view format, const LocalDateTime& when);

} // namespace mojiro
