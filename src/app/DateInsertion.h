// The text of the date command: the day of the month in newspaper style, or
// the date and time in the user's format.
#pragma once

#include "app/DateTimeFormat.h"

#include <string>

namespace mojiro {

class SettingsStore;

// TodayIndex: 0 the day in kanji numerals (三日, 二十日), 1 the day in digits
// (３日, 15日), 2 the user's format TodayLetter. Any other index is taken as 0,
// the default style, rather than inserting nothing.
[[nodiscard]] std::string TodayText(int todayIndex, const LocalDateTime& now,
                                    const SettingsStore& store);

// The machine's local date and time, to the second.
[[nodiscard]] LocalDateTime CurrentLocalTime();

} // namespace mojiro
