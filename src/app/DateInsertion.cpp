#include "app/DateInsertion.h"

#include "settings/SettingsTable.h"

#include <array>
#include <ctime>
#include <string_view>

namespace mojiro {

namespace {

constexpr std::string_view kDay = "\x93\xFA"; // 日

// Index 0 is empty: the tens of 10, 20 and 30 stand alone (十日, not 十〇日).
constexpr std::array<std::string_view, 10> kKanjiUnits = {
    "",         "\x88\xEA", "\x93\xF1", "\x8E\x4F", "\x8E\x6C",
    "\x8C\xDC", "\x98\x5A", "\x8E\xB5", "\x94\xAA", "\x8B\xE3",
}; // 一 二 三 四 五 六 七 八 九
constexpr std::array<std::string_view, 4> kKanjiTens = {
    "",
    "\x8F\x5C",         // 十
    "\x93\xF1\x8F\x5C", // 二十
    "\x8E\x4F\x8F\x5C", // 三十
};

std::string KanjiDay(int day) {
    std::string text(kKanjiTens[static_cast<std::size_t>(day / 10)]);
    text += kKanjiUnits[static_cast<std::size_t>(day % 10)];
    return text;
}

// Below 10 one full-width digit (１ is 0x82 0x50), from 10 on half-width digits.
std::string DigitDay(int day) {
    if (day >= 10)
        return std::to_string(day);
    return {'\x82', static_cast<char>(0x4F + day)};
}

} // namespace

std::string TodayText(int todayIndex, const LocalDateTime& now, const SettingsStore& store) {
    if (todayIndex == 2)
        return FormatDateTime(ReadSetting(store, TextSetting{"Option", "TodayLetter"}), now);
    // The calendar never gives another day; the clamp keeps the tables in range.
    const int day = now.day < 1 ? 1 : (now.day > 31 ? 31 : now.day);
    std::string text = todayIndex == 1 ? DigitDay(day) : KanjiDay(day);
    text += kDay;
    return text;
}

LocalDateTime CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace mojiro
