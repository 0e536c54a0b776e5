// The recent-file list, the favourite-folder menu and the sharing out of files
// among further instances, all kept in a settings store of the test's own.
#include "FileTestSupport.h"
#include "app/FavouriteFolders.h"
#include "app/FurtherInstances.h"
#include "app/RecentFiles.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

using Paths = std::vector<std::string>;

class RecentFiles : public ::testing::Test {
protected:
    void SetUp() override { store.Open(); }

    void Store(const Paths& paths) {
        for (std::size_t slot = 0; slot < paths.size(); ++slot) {
            WriteSetting(store, TextSetting{"File", "RecentFile"},
                         RecentFileValueIndex(static_cast<int>(slot)), paths[slot]);
        }
    }
    // The used slots, newest first.
    Paths Stored() const {
        Paths used;
        for (const std::string& path : ReadRecentFiles(store)) {
            if (!path.empty()) {
                used.push_back(path);
            }
        }
        return used;
    }

    test::TempFolder folder;
    SettingsStore store{folder / "Mojiro.ini"};
};

TEST_F(RecentFiles, ListedPathMovesToTheTop) {
    Store({"A", "B", "X", "C"});
    AddRecentFile(store, "X");
    EXPECT_EQ((Paths{"X", "A", "B", "C"}), Stored());
}

TEST_F(RecentFiles, NewPathPushesTheOldestOutOfAFullList) {
    Store({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    AddRecentFile(store, "Y");
    EXPECT_EQ((Paths{"Y", "0", "1", "2", "3", "4", "5", "6", "7", "8"}), Stored());
    EXPECT_EQ("8", ReadSetting(store, TextSetting{"File", "RecentFile"}, 0));
}

TEST_F(RecentFiles, NewestPathChangesNothingAndCaseMatters) {
    Store({"/d/A.txt", "/d/b.txt"});
    AddRecentFile(store, "/d/A.txt");
    EXPECT_EQ((Paths{"/d/A.txt", "/d/b.txt"}), Stored());
    AddRecentFile(store, "/d/a.txt");
    EXPECT_EQ((Paths{"/d/a.txt", "/d/A.txt", "/d/b.txt"}), Stored());
}

TEST_F(RecentFiles, MenuItemsShowTheirDigitAndHideWhenEmpty) {
    Store({"/a.txt", "", "", "", "", "", "", "", "", "/j.txt"});
    const auto items = RecentFileItems(store);
    EXPECT_TRUE(items[0].visible);
    EXPECT_EQ("/a.txt (&1)", items[0].caption);
    EXPECT_FALSE(items[1].visible);
    EXPECT_EQ("/j.txt (&0)", items[9].caption);
    EXPECT_EQ("/j.txt", items[9].path);
}

TEST_F(RecentFiles, FolderMenuCaptionsAndShortcuts) {
    WriteSetting(store, TextSetting{"Folder", "DirectOpen"}, 0, "/in");
    WriteSetting(store, TextSetting{"Folder", "DirectOpen"}, 9, "/in9");
    WriteSetting(store, TextSetting{"Folder", "DirectSave"}, 9, "/out9");
    const FolderMenu menu = FolderMenuItems(store, /*documentEmpty=*/true);
    EXPECT_EQ("/inから開く(&1)", menu.open[0].caption);
    EXPECT_EQ("F4", menu.open[0].shortcut);
    EXPECT_EQ("/in9から開く(&0)", menu.open[9].caption);
    EXPECT_EQ("/out9へ別名保存(&J)", menu.save[9].caption);
    EXPECT_FALSE(menu.open[1].visible);
    EXPECT_FALSE(menu.save[9].enabled);
}

TEST(FurtherInstances, DroppedFilesOnAnUntouchedWindowOpenTheLastHere) {
    const InstancePlan first = PlanDroppedFiles({"/a", "/b", "/c"}, true);
    EXPECT_EQ("/c", first.openHere);
    EXPECT_EQ((Paths{"/a", "/b"}), first.passOn);
    // The next instance gets them on its command line and passes on the rest.
    const InstancePlan second = PlanCommandLine(first.passOn);
    EXPECT_EQ("/b", second.openHere);
    EXPECT_EQ((Paths{"/a"}), second.passOn);
}

} // namespace
} // namespace mojiro
