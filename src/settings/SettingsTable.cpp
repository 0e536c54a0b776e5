#include "settings/SettingsTable.h"

#include "platform/Cp932Codec.h"
#include "settings/ColorText.h"

#include <filesystem>
#include <system_error>

namespace mojiro {

namespace {

std::int64_t NumberDefault(const SettingSpec& spec, int index) {
    return spec.numbers.empty() ? spec.number : spec.numbers[static_cast<std::size_t>(index)];
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

std::string ValueName(const SettingSpec& spec, int index) {
    if (spec.count == 0 ? index != kSingleValue : index < 0 || index >= spec.count) {
        throw std::out_of_range("setting " + std::string(spec.name) + " has no value " +
                                std::to_string(index));
    }
    return spec.count == 0 ? std::string(spec.name)
                           : std::string(spec.name) + std::to_string(index);
}

std::string ReadSetting(const SettingsStore& store, TextSetting setting, int index) {
    const SettingSpec& spec = setting.Spec();
    const std::string name = ValueName(spec, index);
    return store.ReadString(spec.section, name,
                            spec.textDefault != nullptr ? spec.textDefault() : spec.text);
}

int ReadSetting(const SettingsStore& store, IntegerSetting setting, int index) {
    const SettingSpec& spec = setting.Spec();
    return store.ReadInteger(spec.section, ValueName(spec, index),
                             static_cast<int>(NumberDefault(spec, index)));
}

bool ReadSetting(const SettingsStore& store, BoolSetting setting, int index) {
    const SettingSpec& spec = setting.Spec();
    return store.ReadBool(spec.section, ValueName(spec, index), NumberDefault(spec, index) != 0);
}

TColor ReadSetting(const SettingsStore& store, ColorSetting setting) {
    const SettingSpec& spec = setting.Spec();
    const auto fallback = static_cast<TColor>(spec.number);
    return TextToColor(store.ReadString(spec.section, spec.name, ColorToText(fallback)))
        .value_or(fallback);
}

std::optional<std::string> ReadSetting(const SettingsStore& store, BinarySetting setting) {
    return store.ReadBinary(setting.Spec().section, setting.Spec().name);
}

void WriteSetting(SettingsStore& store, TextSetting setting, std::string_view text) {
    WriteSetting(store, setting, kSingleValue, text);
}

void WriteSetting(SettingsStore& store, TextSetting setting, int index, std::string_view text) {
    store.WriteString(setting.Spec().section, ValueName(setting.Spec(), index), text);
}

void WriteSetting(SettingsStore& store, IntegerSetting setting, int value) {
    WriteSetting(store, setting, kSingleValue, value);
}

void WriteSetting(SettingsStore& store, IntegerSetting setting, int index, int value) {
    store.WriteInteger(setting.Spec().section, ValueName(setting.Spec(), index), value);
}

void WriteSetting(SettingsStore& store, BoolSetting setting, bool value) {
    WriteSetting(store, setting, kSingleValue, value);
}

void WriteSetting(SettingsStore& store, BoolSetting setting, int index, bool value) {
    store.WriteBool(setting.Spec().section, ValueName(setting.Spec(), index), value);
}

void WriteSetting(SettingsStore& store, ColorSetting setting, TColor color) {
    store.WriteString(setting.Spec().section, setting.Spec().name, ColorToText(color));
}

void WriteSetting(SettingsStore& store, BinarySetting setting, std::string_view bytes) {
    store.WriteBinary(setting.Spec().section, setting.Spec().name, bytes);
}

} // namespace mojiro
