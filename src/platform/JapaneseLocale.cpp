#include "platform/JapaneseLocale.h"

#include <array>

namespace mojiro::japanese_locale {

namespace {

constexpr std::array<std::string_view, 7> kShortDays = {
    "\x93\xFA", // 日
    "\x8C\x8E", // 月
    "\x89\xCE", // 火
    "\x90\x85", // 水
    "\x96\xD8", // 木
    "\x8B\xE0", // 金
    "\x93\x79", // 土
};

constexpr std::array<std::string_view, 7> kLongDays = {
    "\x93\xFA\x97\x6A\x93\xFA", // 日曜日
    "\x8C\x8E\x97\x6A\x93\xFA", // 月曜日
    "\x89\xCE\x97\x6A\x93\xFA", // 火曜日
    "\x90\x85\x97\x6A\x93\xFA", // 水曜日
    "\x96\xD8\x97\x6A\x93\xFA", // 木曜日
    "\x8B\xE0\x97\x6A\x93\xFA", // 金曜日
    "\x93\x79\x97\x6A\x93\xFA", // 土曜日
};

// The locale gives the same text for the short and the long month name.
constexpr std::array<std::string_view, 12> kMonths = {
    "1\x8C\x8E", "2\x8C\x8E", "3\x8C\x8E", "4\x8C\x8E",  "5\x8C\x8E",  "6\x8C\x8E",
    "7\x8C\x8E", "8\x8C\x8E", "9\x8C\x8E", "10\x8C\x8E", "11\x8C\x8E", "12\x8C\x8E",
}; // 1月 … 12月

struct Era {
    int year, month, day;
    std::string_view name;
};

// Gregorian first days. Meiji begins on the day it was proclaimed (1868-10-23);
// the older count that backdates it to the start of that lunar year is not
// used by the other eras either.
constexpr std::array<Era, 5> kEras = {{
    {1868, 10, 23, "\x96\xBE\x8E\xA1"}, // 明治
    {1912, 7, 30, "\x91\xE5\x90\xB3"},  // 大正
    {1926, 12, 25, "\x8F\xBA\x98\x61"}, // 昭和
    {1989, 1, 8, "\x95\xBD\x90\xAC"},   // 平成
    {2019, 5, 1, "\x97\xDF\x98\x61"},   // 令和
}};

std::string_view Pick(const auto& table, int index, int first) {
    const int i = index - first;
    if (i < 0 || i >= static_cast<int>(table.size()))
        return {};
    return table[static_cast<std::size_t>(i)];
}

} // namespace

std::string_view ShortDayName(int weekday) {
    return Pick(kShortDays, weekday, 0);
}

std::string_view LongDayName(int weekday) {
    return Pick(kLongDays, weekday, 0);
}

std::string_view ShortMonthName(int month) {
    return Pick(kMonths, month, 1);
}

std::string_view LongMonthName(int month) {
    return Pick(kMonths, month, 1);
}

int DayOfWeek(int year, int month, int day) {
    // Sakamoto's method: January and February count as months of the year before.
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12)
        return 0;
    if (month < 3)
        --year;
    const int w = (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7;
    return w < 0 ? w + 7 : w;
}

EraYear JapaneseEra(int year, int month, int day) {
    for (auto era = kEras.rbegin(); era != kEras.rend(); ++era) {
        const bool started = year != era->year
                                 ? year > era->year
                                 : (month != era->month ? month > era->month : day >= era->day);
        if (started)
            return {era->name, era->name.substr(0, 2), year - era->year + 1};
    }
    return {{}, {}, year};
}

} // namespace mojiro::japanese_locale
