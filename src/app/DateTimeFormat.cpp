#include "app/DateTimeFormat.h"

#include "platform/CodePage.h"
#include "platform/JapaneseLocale.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace mojiro {

namespace locale = japanese_locale;

namespace {

enum class Kind {
    Literal,
    Day,     // d dd ddd dddd ddddd dddddd, and aaa aaaa (count 3, 4)
    Month,   // m mm mmm mmmm
    Minute,  // n nn, and m mm after an hour
    Year,    // yy yyyy
    Hour,    // h hh
    Second,  // s ss
    EraName, // g gg
    EraYear, // e ee
    Time,    // t tt
    DateAndTime,
    WrittenAmPm, // am/pm, a/p: the half of the specifier itself
    LocaleAmPm,  // ampm: 午前 / 午後
    DateSeparator,
    TimeSeparator,
};

struct Token {
    Kind kind = Kind::Literal;
    int count = 0;
    std::string_view text; // a literal, or the written am/pm specifier
    bool twelveHour = false;
};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Upper(text[i]) != prefix[i])
            return false;
    return true;
}

// Splits a format into specifiers and literal text. A double-byte character
// is always literal: its trail byte may look like a specifier letter (年 ends
// in "N").
std::vector<Token> Tokenize(std::string_view format) {
    std::vector<Token> tokens;
    char lastLetter = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (IsLeadByte(c)) {
            const std::size_t n = std::min(CharLength(format, i), format.size() - i);
            tokens.push_back({Kind::Literal, 0, format.substr(i, n)});
            i += n;
            continue;
        }
        if (c == '"' || c == '\'') {
            std::size_t end = i + 1;
            while (end < format.size() && format[end] != c)
                end += CharLength(format, end);
            end = std::min(end, format.size());
            tokens.push_back({Kind::Literal, 0, format.substr(i + 1, end - i - 1)});
            i = end + 1; // an unclosed quotation runs to the end
            continue;
        }
        if (c == '/' || c == ':') {
            tokens.push_back({c == '/' ? Kind::DateSeparator : Kind::TimeSeparator, 1, {}});
            ++i;
            continue;
        }
        const char letter = Upper(c);
        if (letter < 'A' || letter > 'Z') {
            tokens.push_back({Kind::Literal, 0, format.substr(i, 1)});
            ++i;
            continue;
        }
        const std::string_view rest = format.substr(i);
        if (letter == 'A') {
            // Longest specifier first: "aaaaampm" is a long weekday, then ampm.
            Token token{Kind::Literal, 0, rest.substr(0, 1)};
            if (StartsWithIgnoringCase(rest, "AM/PM"))
                token = {Kind::WrittenAmPm, 0, rest.substr(0, 5)};
            else if (StartsWithIgnoringCase(rest, "A/P"))
                token = {Kind::WrittenAmPm, 0, rest.substr(0, 3)};
            else if (StartsWithIgnoringCase(rest, "AMPM"))
                token = {Kind::LocaleAmPm, 0, rest.substr(0, 4)};
            else if (StartsWithIgnoringCase(rest, "AAAA"))
                token = {Kind::Day, 4, rest.substr(0, 4)};
            else if (StartsWithIgnoringCase(rest, "AAA"))
                token = {Kind::Day, 3, rest.substr(0, 3)};
            tokens.push_back(token);
            i += token.text.size();
            lastLetter = letter;
            continue;
        }
        std::size_t count = 1;
        while (i + count < format.size() && Upper(format[i + count]) == letter)
            ++count;
        Token token{Kind::Literal, static_cast<int>(count), rest.substr(0, count)};
        switch (letter) {
        case 'D':
            token.kind = Kind::Day;
            break;
        case 'M':
            // Minutes when it follows an hour with only literal text between.
            token.kind = count <= 2 && lastLetter == 'H' ? Kind::Minute : Kind::Month;
            break;
        case 'N':
            token.kind = Kind::Minute;
            break;
        case 'Y':
            token.kind = Kind::Year;
            break;
        case 'H':
            token.kind = Kind::Hour;
            break;
        case 'S':
            token.kind = Kind::Second;
            break;
        case 'G':
            token.kind = Kind::EraName;
            break;
        case 'E':
            token.kind = Kind::EraYear;
            break;
        case 'T':
            token.kind = Kind::Time;
            break;
        case 'C':
            token.kind = Kind::DateAndTime;
            break;
        default:
            break; // not a specifier: copied
        }
        tokens.push_back(token);
        i += count;
        lastLetter = token.kind == Kind::Minute ? 'N' : letter;
    }
    // With an am/pm specifier anywhere, before the hour as in "ampmh" or
    // after it as in "h:nn am/pm", the hours count in twelve.
    const bool twelveHour = std::any_of(tokens.begin(), tokens.end(), [](const Token& t) {
        return t.kind == Kind::WrittenAmPm || t.kind == Kind::LocaleAmPm;
    });
    for (Token& token : tokens)
        token.twelveHour = twelveHour && token.kind == Kind::Hour;
    return tokens;
}

void AppendNumber(std::string& out, int value, int digits) {
    std::string number = std::to_string(value < 0 ? -value : value);
    if (value < 0)
        out += '-';
    if (static_cast<int>(number.size()) < digits)
        out.append(static_cast<std::size_t>(digits) - number.size(), '0');
    out += number;
}

// One digit or two: the count of the specifier letter says which.
void AppendCounted(std::string& out, int value, int count) {
    AppendNumber(out, value, count >= 2 ? 2 : 1);
}

void Append(std::string& out, const Token& token, const LocalDateTime& when) {
    const bool afternoon = when.hour >= 12;
    switch (token.kind) {
    case Kind::Literal:
        out += token.text;
        break;
    case Kind::Day: {
        const int weekday = locale::DayOfWeek(when.year, when.month, when.day);
        if (token.count <= 2)
            AppendCounted(out, when.day, token.count);
        else if (token.count == 3)
            out += locale::ShortDayName(weekday);
        else if (token.count == 4)
            out += locale::LongDayName(weekday);
        else if (token.count == 5)
            out += FormatDateTime(locale::kShortDateFormat, when);
        else
            out += FormatDateTime(locale::kLongDateFormat, when);
        break;
    }
    case Kind::Month:
        if (token.count <= 2)
            AppendCounted(out, when.month, token.count);
        else if (token.count == 3)
            out += locale::ShortMonthName(when.month);
        else
            out += locale::LongMonthName(when.month);
        break;
    case Kind::Minute:
        AppendCounted(out, when.minute, token.count);
        break;
    case Kind::Second:
        AppendCounted(out, when.second, token.count);
        break;
    case Kind::Year:
        if (token.count <= 2)
            AppendNumber(out, when.year % 100, 2);
        else
            AppendNumber(out, when.year, 4);
        break;
    case Kind::Hour: {
        int hour = when.hour;
        if (token.twelveHour) {
            hour %= 12;
            if (hour == 0)
                hour = 12;
        }
        AppendCounted(out, hour, token.count);
        break;
    }
    // g: the era's first character (平), gg and more: its whole name (平成).
    case Kind::EraName: {
        const locale::EraYear era = locale::JapaneseEra(when.year, when.month, when.day);
        out += token.count == 1 ? era.shortName : era.name;
        break;
    }
    // e: the year of the era as it is (1 to 64), ee and more: two digits (01).
    case Kind::EraYear:
        AppendCounted(out, locale::JapaneseEra(when.year, when.month, when.day).year, token.count);
        break;
    case Kind::Time:
        out += FormatDateTime(token.count == 1 ? locale::kShortTimeFormat : locale::kLongTimeFormat,
                              when);
        break;
    case Kind::DateAndTime:
        out += FormatDateTime(locale::kShortDateFormat, when);
        if (when.hour != 0 || when.minute != 0 || when.second != 0) {
            out += ' ';
            out += FormatDateTime(locale::kLongTimeFormat, when);
        }
        break;
    case Kind::WrittenAmPm:
        // "am/pm" gives its first or its last two letters, "a/p" one of its letters.
        if (token.text.size() == 5)
            out += token.text.substr(afternoon ? 3 : 0, 2);
        else
            out += token.text.substr(afternoon ? 2 : 0, 1);
        break;
    case Kind::LocaleAmPm:
        out += afternoon ? locale::kTimePm : locale::kTimeAm;
        break;
    case Kind::DateSeparator:
        out += locale::kDateSeparator;
        break;
    case Kind::TimeSeparator:
        out += locale::kTimeSeparator;
        break;
    }
}

} // namespace

std::string FormatDateTime(std::string_view format, const LocalDateTime& when) {
    std::string out;
    for (const Token& token : Tokenize(format))
        Append(out, token, when);
    return out;
}

} // namespace mojiro
