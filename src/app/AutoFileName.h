// Automatic file names for a new article: the title row, made safe for a
// file name, with today's date in front of it or behind it.
#pragma once

#include <string>
#include <string_view>

namespace mojiro {

class SettingsStore;
class TCustomEditor;

// How the window names new files; read at start-up and after the options
// dialog, written back at close.
struct AutoNameRules {
    bool enabled = false; // TitleEnable
    int titleIndex = 0;   // TitleEnableIndex: 0 a row number, 1 a marker
    int titleRow = 1;     // TitleGyoume: the 1-based row for index 0
    std::string marker;   // TitleEnableLetter (CP932): the marker for index 1
    int dateForm = 0;     // FileNameIndex, below
};

// Where the date goes in an automatic name (FileNameIndex).
enum class DateForm {
    None = 0,              // 表題のみ
    MonthDayFirst = 1,     // mmdd + title
    YearMonthDayFirst = 2, // yymmdd + title
    MonthDayLast = 3,      // title + mmdd
    YearMonthDayLast = 4,  // title + yymmdd
};

[[nodiscard]] AutoNameRules LoadAutoNameRules(const SettingsStore& store);
void WriteAutoNameRules(SettingsStore& store, const AutoNameRules& rules);

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// The local date now.
[[nodiscard]] CalendarDate Today();

// Rows the marker rule looks at, from the first.
inline constexpr int kTitleSearchRows = 20;

// The title of the article in CP932: the text of the chosen row, or the rest
// of the first of the first 20 rows that begins with the marker. Empty when
// there is none.
[[nodiscard]] std::string FindTitle(const TCustomEditor& editor, const AutoNameRules& rules);

// Shown in status panel 5 when a title holds a forbidden character. Texts
// for the window are UTF-8, written as such in the source.
inline constexpr std::string_view kForbiddenCharacterMessage =
    "\\/:*?\"<>|tab はﾌｧｲﾙ名に使用できません";

// Whether the title holds a character no file name may carry: \ / : * ? " <
// > | or a control character such as tab. Only single-byte characters count,
// so the trail byte 0x5C of a kanji such as 表 is no backslash.
[[nodiscard]] bool HasForbiddenCharacter(std::string_view title);

// The date as the form puts it into a name ("0903" or "000903"); empty for
// DateForm::None or a form outside 0..4.
[[nodiscard]] std::string DateText(int dateForm, CalendarDate date);

// The automatic name (CP932): the title with the date before or behind it.
// A title with a forbidden character counts as empty, so the name may be
// the date alone or nothing.
struct AutoName {
    std::string name;
    bool forbidden = false;
};
[[nodiscard]] AutoName MakeAutoName(std::string_view title, int dateForm, CalendarDate date);

} // namespace mojiro
