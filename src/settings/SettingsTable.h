// Every value of the settings store with its section, stored name, type and
// default. Readers and writers name a value through this table, so that each
// default is written down once:
//
//     const int top = ReadSetting(store, IntegerSetting{"Locate", "Top"});
//     WriteSetting(store, TextSetting{"Search", "SearchLetter"}, 3, text);
//
// The names are looked up while compiling: a misspelt name, or a value used
// as another type, does not compile.
#pragma once

#include "editor/EditorTypes.h"
#include "settings/AsciiCase.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mojiro {

enum class SettingType {
    Text,
    Integer,
    Boolean,
    Color,
    Binary,
    Retired, // no longer used; only ever deleted
};

struct SettingEntry {
    std::string_view section;
    // A series of values is named by its stem: its values are stem + "0",
    // stem + "1" and so on.
    std::string_view name;
    SettingType type = SettingType::Text;
    // Default of an integer, a boolean (1 or 0) or a colour.
    std::int64_t number = 0;
    // Default of a text.
    std::string_view text = {};
    // Number of values of a series; 0 for a single value.
    int count = 0;
    // Defaults of a series whose default differs from value to value.
    std::span<const int> numbers = {};
    // A text default that depends on the machine the program runs on.
    std::string (*textDefault)() = nullptr;
};

// The folder that holds the program file, with a trailing separator, as CP932
// text; empty when it cannot be found.
[[nodiscard]] std::string ProgramFolder();

namespace settings_table {

constexpr SettingEntry Text(std::string_view section, std::string_view name,
                            std::string_view text = {}) {
    return {.section = section, .name = name, .type = SettingType::Text, .text = text};
}
constexpr SettingEntry TextSeries(std::string_view section, std::string_view name, int count) {
    return {.section = section, .name = name, .type = SettingType::Text, .count = count};
}
constexpr SettingEntry Integer(std::string_view section, std::string_view name, int number) {
    return {.section = section, .name = name, .type = SettingType::Integer, .number = number};
}
constexpr SettingEntry IntegerSeries(std::string_view section, std::string_view name,
                                     std::span<const int> numbers) {
    return {.section = section,
            .name = name,
            .type = SettingType::Integer,
            .count = static_cast<int>(numbers.size()),
            .numbers = numbers};
}
constexpr SettingEntry Boolean(std::string_view section, std::string_view name, bool value) {
    return {.section = section, .name = name, .type = SettingType::Boolean, .number = value};
}
constexpr SettingEntry BooleanSeries(std::string_view section, std::string_view name,
                                     std::span<const int> numbers) {
    return {.section = section,
            .name = name,
            .type = SettingType::Boolean,
            .count = static_cast<int>(numbers.size()),
            .numbers = numbers};
}
constexpr SettingEntry Color(std::string_view section, std::string_view name, TColor color) {
    return {.section = section, .name = name, .type = SettingType::Color, .number = color};
}
constexpr SettingEntry Binary(std::string_view section, std::string_view name) {
    return {.section = section, .name = name, .type = SettingType::Binary};
}
constexpr SettingEntry Retired(std::string_view section, std::string_view name) {
    return {.section = section, .name = name, .type = SettingType::Retired};
}

// Cool bar bands at positions 0 to 4.
inline constexpr int kCoolBarIndex[] = {0, 1, 2, 3, 4};
inline constexpr int kCoolBarView[] = {1, 1, 1, 1, 1};
inline constexpr int kCoolBarBreak[] = {1, 1, 0, 1, 0};
inline constexpr int kCoolBarWidth[] = {0, 325, 319, 443, 201};

inline constexpr SettingEntry kSettings[] = {
    // Main window placement, in screen pixels.
    Integer("Locate", "Top", 10),
    Integer("Locate", "Left", 10),
    Integer("Locate", "Width", 650),
    Integer("Locate", "Height", 400),

    SettingEntry{.section = "File", .name = "IniDir", .textDefault = &ProgramFolder},
    // RecentFile1 is the newest, RecentFile0 the tenth.
    TextSeries("File", "RecentFile", 10),
    Boolean("File", "Shousai", false),
    Boolean("File", "InitialLoadEnable", false),
    Text("File", "InitialLoadFile"),
    Boolean("File", "BuckupEnable", false),
    Text("File", "Ext", "*.txt;"),
    // Print settings: margins in millimetres, line spacing index 0 to 8.
    Integer("File", "LYohaku", 0),
    Integer("File", "TYohaku", 15),
    Integer("File", "BYohaku", 15),
    Integer("File", "Gyoukan", 2),
    Boolean("File", "PagePrint", false),
    Boolean("File", "FileNamePrint", false),

    // Histories of the search bar, entry 0 first.
    TextSeries("Search", "SearchLetter", 8),
    TextSeries("Search", "ReplaceLetter", 8),

    IntegerSeries("View", "CoolBarIndex", kCoolBarIndex),
    BooleanSeries("View", "CoolBarView", kCoolBarView),
    BooleanSeries("View", "CoolBarBreak", kCoolBarBreak),
    IntegerSeries("View", "CoolBarWidth", kCoolBarWidth),
    // Left behind by earlier versions; deleted at every start.
    Retired("View", "SearchBar"),
    Retired("View", "ToolBar"),

    Integer("Option", "LineMargin", 2),
    Boolean("Option", "Space", true),
    Color("Option", "SpaceColor", clActiveCaption),
    Boolean("Option", "Tab", true),
    Color("Option", "TabColor", clActiveCaption),
    // Line-length presets in full-width characters, on F11, F12 and Shift+F12.
    Integer("Option", "MyLineLen1", 12),
    Integer("Option", "MyLineLen2", 40),
    Integer("Option", "MyLineLen3", 36),
    Boolean("Option", "TitleAble", false),
    Integer("Option", "TitleIndex", 0),
    Text("Option", "TitleTopLetter"),
    Boolean("Option", "EndAble", false),
    Integer("Option", "EndIndex", 0),
    Text("Option", "EndTopLetter"),
    Integer("Option", "TodayIndex", 0),
    Text("Option", "TodayLetter",
         "ddddddaaaaampmh\"\x8E\x9E\"m\"\x95\xAA\"s\"\x95\x62\""), // 時 分 秒
    Boolean("Option", "IMEMode", true),

    // Favourite folders for opening and saving, in menu order.
    TextSeries("Folder", "DirectOpen", 10),
    TextSeries("Folder", "DirectSave", 10),
    Boolean("Folder", "TitleEnable", false),
    Integer("Folder", "TitleEnableIndex", 0),
    Integer("Folder", "TitleGyoume", 1),
    Text("Folder", "TitleEnableLetter"),
    Integer("Folder", "FileNameIndex", 0),

    // The editor's property stream.
    Binary("EditorProp", "EditorProp"),
};

consteval const SettingEntry& Find(std::string_view section, std::string_view name) {
    for (const SettingEntry& entry : kSettings) {
        if (entry.section == section && entry.name == name) {
            return entry;
        }
    }
    throw std::invalid_argument("no such setting");
}

// Two entries for one stored value would give it two defaults.
consteval bool NamesAreUnique() {
    for (const SettingEntry& a : kSettings) {
        for (const SettingEntry& b : kSettings) {
            if (&a != &b && EqualsIgnoringAsciiCase(a.section, b.section) &&
                EqualsIgnoringAsciiCase(a.name, b.name)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(NamesAreUnique());

} // namespace settings_table

[[nodiscard]] constexpr std::span<const SettingEntry> AllSettings() {
    return settings_table::kSettings;
}

// One value of the table, of a known type.
template <SettingType Type> class TypedSetting {
public:
    consteval TypedSetting(std::string_view section, std::string_view name)
        : spec_(&settings_table::Find(section, name)) {
        if (spec_->type != Type) {
            throw std::invalid_argument("setting used as another type");
        }
    }
    [[nodiscard]] constexpr const SettingEntry& Entry() const { return *spec_; }

private:
    const SettingEntry* spec_;
};

using TextSetting = TypedSetting<SettingType::Text>;
using IntegerSetting = TypedSetting<SettingType::Integer>;
using BoolSetting = TypedSetting<SettingType::Boolean>;
using ColorSetting = TypedSetting<SettingType::Color>;
using BinarySetting = TypedSetting<SettingType::Binary>;
using RetiredSetting = TypedSetting<SettingType::Retired>;

// The index of a value that is no series.
inline constexpr int kSingleValue = -1;

// The stored name of a value: the name itself, or the stem and the index for
// a series. std::out_of_range for an index the value does not have.
[[nodiscard]] std::string ValueName(const SettingEntry& entry, int index = kSingleValue);

[[nodiscard]] std::string ReadSetting(const SettingsStore& store, TextSetting setting,
                                      int index = kSingleValue);
[[nodiscard]] int ReadSetting(const SettingsStore& store, IntegerSetting setting,
                              int index = kSingleValue);
[[nodiscard]] bool ReadSetting(const SettingsStore& store, BoolSetting setting,
                               int index = kSingleValue);
// A colour text that is neither a name nor a number reads as the default.
[[nodiscard]] TColor ReadSetting(const SettingsStore& store, ColorSetting setting);
[[nodiscard]] std::optional<std::string> ReadSetting(const SettingsStore& store,
                                                     BinarySetting setting);

void WriteSetting(SettingsStore& store, TextSetting setting, std::string_view text);
void WriteSetting(SettingsStore& store, TextSetting setting, int index, std::string_view text);
void WriteSetting(SettingsStore& store, IntegerSetting setting, int value);
void WriteSetting(SettingsStore& store, IntegerSetting setting, int index, int value);
void WriteSetting(SettingsStore& store, BoolSetting setting, bool value);
void WriteSetting(SettingsStore& store, BoolSetting setting, int index, bool value);
void WriteSetting(SettingsStore& store, ColorSetting setting, TColor color);
void WriteSetting(SettingsStore& store, BinarySetting setting, std::string_view bytes);

template <SettingType Type>
void DeleteSetting(SettingsStore& store, TypedSetting<Type> setting, int index = kSingleValue) {
    store.DeleteValue(setting.Entry().section, ValueName(setting.Entry(), index));
}

} // namespace mojiro
