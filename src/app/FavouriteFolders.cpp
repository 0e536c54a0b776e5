#include "app/FavouriteFolders.h"

#include "platform/Cp932Codec.h"
#include "settings/SettingsTable.h"

namespace mojiro {

namespace {

constexpr std::string_view kOpenShortcuts[] = {"F4", "F5", "F6"};
constexpr std::string_view kSaveShortcuts[] = {"F7", "F8", "F9"};

// Texts for the window are UTF-8, written as such in the source.
std::string OpenCaption(const std::string& folder, int n) {
    return folder + "から開く(&" + std::to_string((n + 1) % 10) + ")";
}

std::string SaveCaption(const std::string& folder, int n) {
    return folder + "へ別名保存(&" + static_cast<char>('A' + n) + ")";
}

} // namespace

std::string FavouriteFolder(const SettingsStore& store, FolderUse use, int n) {
    const std::string stored = use == FolderUse::Open
                                   ? ReadSetting(store, TextSetting{"Folder", "DirectOpen"}, n)
                                   : ReadSetting(store, TextSetting{"Folder", "DirectSave"}, n);
    return Cp932ToUtf8(stored);
}

FolderMenu FolderMenuItems(const SettingsStore& store, bool documentEmpty) {
    FolderMenu menu;
    for (int n = 0; n < kFavouriteFolderCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        FolderMenuItem& open = menu.open[i];
        open.folder = FavouriteFolder(store, FolderUse::Open, n);
        open.visible = !open.folder.empty();
        open.caption = OpenCaption(open.folder, n);
        FolderMenuItem& save = menu.save[i];
        save.folder = FavouriteFolder(store, FolderUse::Save, n);
        save.visible = !save.folder.empty();
        save.enabled = !documentEmpty;
        save.caption = SaveCaption(save.folder, n);
        if (i < std::size(kOpenShortcuts)) {
            open.shortcut = kOpenShortcuts[i];
            save.shortcut = kSaveShortcuts[i];
        }
    }
    return menu;
}

std::string MissingFolderMessage(std::string_view folder) {
    return "フォルダ" + std::string(folder) + "は存在しません";
}

std::string CreateFolderQuestion(std::string_view folder) {
    // A line break in a message box text is one "\n" here.
    return "フォルダ\n" + std::string(folder) + "は存在しません\n作りますか？";
}

} // namespace mojiro
