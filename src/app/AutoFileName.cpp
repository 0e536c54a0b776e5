#include "app/AutoFileName.h"

#include "editor/CustomEditor.h"
#include "platform/CodePage.h"
#include "settings/SettingsTable.h"

#include <cstdio>
#include <ctime>

namespace mojiro {

namespace {

constexpr TextSetting kMarker{"Folder", "TitleEnableLetter"};

bool IsForbiddenByte(unsigned char b) {
    // Control characters (tab among them) cannot be typed into a file name
    // and would make it unusable; NUL would even cut the name short.
    if (b < 0x20) {
        return true;
    }
    switch (b) {
    case '\\':
    case '/':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
        return true;
    default:
        return false;
    }
}

} // namespace

AutoNameRules LoadAutoNameRules(const SettingsStore& store) {
    AutoNameRules rules;
    rules.enabled = ReadSetting(store, BoolSetting{"Folder", "TitleEnable"});
    rules.titleIndex = ReadSetting(store, IntegerSetting{"Folder", "TitleEnableIndex"});
    rules.titleRow = ReadSetting(store, IntegerSetting{"Folder", "TitleGyoume"});
    rules.marker = ReadSetting(store, kMarker);
    rules.dateForm = ReadSetting(store, IntegerSetting{"Folder", "FileNameIndex"});
    return rules;
}

void WriteAutoNameRules(SettingsStore& store, const AutoNameRules& rules) {
    WriteSetting(store, BoolSetting{"Folder", "TitleEnable"}, rules.enabled);
    WriteSetting(store, IntegerSetting{"Folder", "TitleEnableIndex"}, rules.titleIndex);
    WriteSetting(store, IntegerSetting{"Folder", "TitleGyoume"}, rules.titleRow);
    WriteSetting(store, kMarker, rules.marker);
    WriteSetting(store, IntegerSetting{"Folder", "FileNameIndex"}, rules.dateForm);
}

CalendarDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string FindTitle(const TCustomEditor& editor, const AutoNameRules& rules) {
    if (rules.titleIndex == 0) {
        // RowString gives empty text for a row outside the document.
        return editor.RowString(rules.titleRow - 1);
    }
    if (rules.titleIndex != 1 || rules.marker.empty()) {
        return {};
    }
    for (int row = 0; row < kTitleSearchRows && row < editor.RowCount(); ++row) {
        std::string text = editor.RowString(row);
        if (text.starts_with(rules.marker)) {
            return text.substr(rules.marker.size());
        }
    }
    return {};
}

bool HasForbiddenCharacter(std::string_view title) {
    for (std::size_t i = 0; i < title.size(); i += CharLength(title, i)) {
        if (!IsLeadByte(title[i]) && IsForbiddenByte(static_cast<unsigned char>(title[i]))) {
            return true;
        }
    }
    return false;
}

std::string DateText(int dateForm, CalendarDate date) {
    char text[16];
    switch (static_cast<DateForm>(dateForm)) {
    case DateForm::MonthDayFirst:
    case DateForm::MonthDayLast:
        std::snprintf(text, sizeof text, "%02d%02d", date.month, date.day);
        return text;
    case DateForm::YearMonthDayFirst:
    case DateForm::YearMonthDayLast:
        std::snprintf(text, sizeof text, "%02d%02d%02d", date.year % 100, date.month, date.day);
        return text;
    default:
        return {};
    }
}

AutoName MakeAutoName(std::string_view title, int dateForm, CalendarDate date) {
    AutoName result;
    result.forbidden = HasForbiddenCharacter(title);
    const std::string_view usable = result.forbidden ? std::string_view() : title;
    const std::string dateText = DateText(dateForm, date);
    const bool dateFirst = dateForm == static_cast<int>(DateForm::MonthDayFirst) ||
                           dateForm == static_cast<int>(DateForm::YearMonthDayFirst);
    result.name = dateFirst ? dateText + std::string(usable) : std::string(usable) + dateText;
    return result;
}

} // namespace mojiro
