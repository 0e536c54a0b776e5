#include "app/RecentFiles.h"

#include "platform/Cp932Codec.h"
#include "settings/SettingsTable.h"

namespace mojiro {

namespace {

constexpr TextSetting kRecentFile{"File", "RecentFile"};

std::string ReadSlot(const SettingsStore& store, int slot) {
    return ReadSetting(store, kRecentFile, RecentFileValueIndex(slot));
}

} // namespace

std::array<std::string, kRecentFileCount> ReadRecentFiles(const SettingsStore& store) {
    std::array<std::string, kRecentFileCount> paths;
    for (int slot = 0; slot < kRecentFileCount; ++slot) {
        paths[static_cast<std::size_t>(slot)] = Cp932ToUtf8(ReadSlot(store, slot));
    }
    return paths;
}

void AddRecentFile(SettingsStore& store, std::string_view path) {
    const std::string stored = Utf8ToCp932(path).bytes;
    std::array<std::string, kRecentFileCount> slots;
    int found = kRecentFileCount - 1;
    for (int slot = 0; slot < kRecentFileCount; ++slot) {
        slots[static_cast<std::size_t>(slot)] = ReadSlot(store, slot);
        if (slots[static_cast<std::size_t>(slot)] == stored) {
            found = slot;
        }
    }
    if (found == 0) {
        return;
    }
    for (int slot = found; slot >= 1; --slot) {
        WriteSetting(store, kRecentFile, RecentFileValueIndex(slot),
                     slots[static_cast<std::size_t>(slot - 1)]);
    }
    WriteSetting(store, kRecentFile, RecentFileValueIndex(0), stored);
}

std::array<RecentFileItem, kRecentFileCount> RecentFileItems(const SettingsStore& store) {
    std::array<RecentFileItem, kRecentFileCount> items;
    for (int slot = 0; slot < kRecentFileCount; ++slot) {
        RecentFileItem& item = items[static_cast<std::size_t>(slot)];
        item.path = Cp932ToUtf8(ReadSlot(store, slot));
        item.visible = !item.path.empty();
        item.caption = item.path + " (&" + std::to_string(RecentFileValueIndex(slot)) + ")";
    }
    return items;
}

} // namespace mojiro
