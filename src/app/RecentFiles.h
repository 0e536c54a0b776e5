// The ten most recently opened or saved files, kept in the settings store
// (RecentFile1 the newest ... RecentFile9, then RecentFile0 the tenth) and
// read afresh whenever they are used, so every running instance shares them.
// Paths are UTF-8 here; the store keeps them as CP932 text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mojiro {

class SettingsStore;

inline constexpr int kRecentFileCount = 10;

// The index n of the value RecentFile<n> that holds slot 0 (the newest) to 9.
[[nodiscard]] constexpr int RecentFileValueIndex(int slot) {
    return (slot + 1) % kRecentFileCount;
}

// Slots 0 to 9, newest first; empty text for an unused slot.
[[nodiscard]] std::array<std::string, kRecentFileCount> ReadRecentFiles(const SettingsStore& store);

// Puts the path at the top of the list. An entry equal to it (exactly, letter
// case included) moves up from its place; otherwise the oldest entry drops
// out. A path already at the top changes nothing.
void AddRecentFile(SettingsStore& store, std::string_view path);

// One of the File menu's items RecentFile1 ... RecentFile9, RecentFile0.
struct RecentFileItem {
    bool visible = false;
    std::string caption; // the path, " (&", the item's digit, ")"
    std::string path;
};

// The items in menu order. The separator above them shows when the first
// item does.
[[nodiscard]] std::array<RecentFileItem, kRecentFileCount>
RecentFileItems(const SettingsStore& store);

} // namespace mojiro
