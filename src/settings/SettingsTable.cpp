#include "settings/SettingsTable.h"

#include "platform/Cp932Codec.h"
#include "settings/ColorText.h"

#include <filesystem>
#include <system_error>

namespace mojiro {

namespace {

std::int64_t NumberDefault(const SettingEntry& entry, int index) {
    return entry.numbers.empty() ? entry.number : entry.numbers[static_cast<std::size_t>(index)];
}

} // namespace

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path()) {
        return {};
    }
    // Paths are UTF-8 on this platform; the program's texts are CP932.
    return Utf8ToCp932(program.parent_path().string() + "/").bytes;
}

std::string ValueName(const SettingEntry& entry, int index) {
    if (entry.count == 0 ? index != kSingleValue : index < 0 || index >= entry.count) {
        throw std::out_of_range("setting " + std::string(entry.name) + " has no value " +
                                std::to_string(index));
    }
    return entry.count == 0 ? std::string(entry.name)
                            : std::string(entry.name) + std::to_string(index);
}

std::string ReadSetting(const SettingsStore& store, TextSetting setting, int index) {
    const SettingEntry& entry = setting.Entry();
    const std::string name = ValueName(entry, index);
    return store.ReadString(entry.section, name,
                            entry.textDefault != nullptr ? entry.textDefault() : entry.text);
}

int ReadSetting(const SettingsStore& store, IntegerSetting setting, int index) {
    const SettingEntry& entry = setting.Entry();
    return store.ReadInteger(entry.section, ValueName(entry, index),
                             static_cast<int>(NumberDefault(entry, index)));
}

bool ReadSetting(const SettingsStore& store, BoolSetting setting, int index) {
    const SettingEntry& entry = setting.Entry();
    return store.ReadBool(entry.section, ValueName(entry, index), NumberDefault(entry, index) != 0);
}

TColor ReadSetting(const SettingsStore& store, ColorSetting setting) {
    const SettingEntry& entry = setting.Entry();
    const auto fallback = static_cast<TColor>(entry.number);
    return TextToColor(store.ReadString(entry.section, entry.name, ColorToText(fallback)))
        .value_or(fallback);
}

std::optional<std::string> ReadSetting(const SettingsStore& store, BinarySetting setting) {
    return store.ReadBinary(setting.Entry().section, setting.Entry().name);
}

void WriteSetting(SettingsStore& store, TextSetting setting, std::string_view text) {
    WriteSetting(store, setting, kSingleValue, text);
}

void WriteSetting(SettingsStore& store, TextSetting setting, int index, std::string_view text) {
    store.WriteString(setting.Entry().section, ValueName(setting.Entry(), index), text);
}

void WriteSetting(SettingsStore& store, IntegerSetting setting, int value) {
    WriteSetting(store, setting, kSingleValue, value);
}

void WriteSetting(SettingsStore& store, IntegerSetting setting, int index, int value) {
    store.WriteInteger(setting.Entry().section, ValueName(setting.Entry(), index), value);
}

void WriteSetting(SettingsStore& store, BoolSetting setting, bool value) {
    WriteSetting(store, setting, kSingleValue, value);
}

void WriteSetting(SettingsStore& store, BoolSetting setting, int index, bool value) {
    store.WriteBool(setting.Entry().section, ValueName(setting.Entry(), index), value);
}

void WriteSetting(SettingsStore& store, ColorSetting setting, TColor color) {
    store.WriteString(setting.Entry().section, setting.Entry().name, ColorToText(color));
}

void WriteSetting(SettingsStore& store, BinarySetting setting, std::string_view bytes) {
    store.WriteBinary(setting.Entry().section, setting.Entry().name, bytes);
}

} // namespace mojiro
