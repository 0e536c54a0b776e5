// The Folder menu: up to ten favourite folders to open from and ten to save
// into, kept in the settings store (DirectOpen0..9, DirectSave0..9) and read
// afresh whenever the menu opens. Folders are UTF-8 here; the store keeps
// them as CP932 text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mojiro {

class SettingsStore;

inline constexpr int kFavouriteFolderCount = 10;

enum class FolderUse { Open, Save };

// The stored folder n (0 to 9); empty when none is set.
[[nodiscard]] std::string FavouriteFolder(const SettingsStore& store, FolderUse use, int n);

struct FolderMenuItem {
    bool visible = false;
    bool enabled = true;
    // "<folder>から開く(&1)" ... "(&0)", or "<folder>へ別名保存(&A)" ... "(&J)".
    std::string caption;
    std::string folder;
    // "F4" to "F9" for the first three items of each kind; empty otherwise.
    std::string_view shortcut;
};

struct FolderMenu {
    std::array<FolderMenuItem, kFavouriteFolderCount> open;
    std::array<FolderMenuItem, kFavouriteFolderCount> save;
};

// The save items are enabled only when there is a text to save.
[[nodiscard]] FolderMenu FolderMenuItems(const SettingsStore& store, bool documentEmpty);

// Status panel 5 when a favourite folder is missing.
[[nodiscard]] std::string MissingFolderMessage(std::string_view folder);
// The question before a missing favourite save folder is created.
[[nodiscard]] std::string CreateFolderQuestion(std::string_view folder);

} // namespace mojiro
