// The settings store on a real file in a folder of its own per test.
#include "FileTestSupport.h"
#include "platform/Cp932Codec.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::FreshFolder;
using test::Put;
using namespace std::string_literals;

std::vector<std::string> FolderEntries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs action in a child process and returns what became of it: the message
// of the SettingsError it threw, in UTF-8, or "no error".
std::string InChild(const std::function<void()>& action) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return "no pipe";
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string report = "no error";
        try {
            action();
        } catch (const SettingsError& e) {
            report = Cp932ToUtf8(e.what());
        } catch (const std::exception& e) {
            report = std::string("other error: ") + e.what();
        }
        [[maybe_unused]] const auto written = ::write(pipeFds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return report;
}

// Permissions do not stop root; a child that tests them runs as nobody.
void GiveUpRoot() {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        throw std::runtime_error("cannot become nobody");
    }
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { store.Open(); }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir, ignored);
    }

    const fs::path dir = FreshFolder();
    const fs::path root = dir / "Mojiro";
    const fs::path file = root / "Mojiro.ini";
    SettingsStore store{file};
};

TEST_F(SettingsStoreTest, OpenCreatesTheRootAndReadingLeavesItEmpty) {
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(10, ReadSetting(store, IntegerSetting{"Locate", "Top"}));
    EXPECT_EQ("", ReadSetting(store, TextSetting{"Search", "SearchLetter"}, 0));
    EXPECT_EQ("", Bytes(file));
}

TEST_F(SettingsStoreTest, OpenKeepsAnExistingFile) {
    Put(file, "[Locate]\nTop=5\n");
    SettingsStore again(file);
    again.Open();
    EXPECT_EQ("[Locate]\nTop=5\n", Bytes(file));
    EXPECT_EQ(5, again.ReadInteger("Locate", "Top", 10));
}

TEST_F(SettingsStoreTest, StoreMustBeOpenToBeUsed) {
    SettingsStore closed(file);
    EXPECT_THROW((void)closed.ReadString("Locate", "Top", ""), std::logic_error);
    store.Close();
    EXPECT_THROW(store.WriteInteger("Locate", "Top", 1), std::logic_error);
}

TEST_F(SettingsStoreTest, FreshStoreReadsEveryDefault) {
    EXPECT_EQ(10, ReadSetting(store, IntegerSetting{"Locate", "Top"}));
    EXPECT_EQ(10, ReadSetting(store, IntegerSetting{"Locate", "Left"}));
    EXPECT_EQ(650, ReadSetting(store, IntegerSetting{"Locate", "Width"}));
    EXPECT_EQ(400, ReadSetting(store, IntegerSetting{"Locate", "Height"}));

    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ("", ReadSetting(store, TextSetting{"File", "RecentFile"}, n));
        EXPECT_EQ("", ReadSetting(store, TextSetting{"Folder", "DirectOpen"}, n));
        EXPECT_EQ("", ReadSetting(store, TextSetting{"Folder", "DirectSave"}, n));
    }
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"File", "Shousai"}));
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"File", "InitialLoadEnable"}));
    EXPECT_EQ("", ReadSetting(store, TextSetting{"File", "InitialLoadFile"}));
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"File", "BuckupEnable"}));
    EXPECT_EQ("*.txt;", ReadSetting(store, TextSetting{"File", "Ext"}));
    EXPECT_EQ(0, ReadSetting(store, IntegerSetting{"File", "LYohaku"}));
    EXPECT_EQ(15, ReadSetting(store, IntegerSetting{"File", "TYohaku"}));
    EXPECT_EQ(15, ReadSetting(store, IntegerSetting{"File", "BYohaku"}));
    EXPECT_EQ(2, ReadSetting(store, IntegerSetting{"File", "Gyoukan"}));
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"File", "PagePrint"}));
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"File", "FileNamePrint"}));

    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ("", ReadSetting(store, TextSetting{"Search", "SearchLetter"}, n));
        EXPECT_EQ("", ReadSetting(store, TextSetting{"Search", "ReplaceLetter"}, n));
    }

    const int widths[] = {0, 325, 319, 443, 201};
    const bool breaks[] = {true, true, false, true, false};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(n, ReadSetting(store, IntegerSetting{"View", "CoolBarIndex"}, n));
        EXPECT_TRUE(ReadSetting(store, BoolSetting{"View", "CoolBarView"}, n));
        EXPECT_EQ(breaks[n], ReadSetting(store, BoolSetting{"View", "CoolBarBreak"}, n)) << n;
        EXPECT_EQ(widths[n], ReadSetting(store, IntegerSetting{"View", "CoolBarWidth"}, n));
    }

    EXPECT_EQ(2, ReadSetting(store, IntegerSetting{"Option", "LineMargin"}));
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "Space"}));
    EXPECT_EQ(clActiveCaption, ReadSetting(store, ColorSetting{"Option", "SpaceColor"}));
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "Tab"}));
    EXPECT_EQ(clActiveCaption, ReadSetting(store, ColorSetting{"Option", "TabColor"}));
    EXPECT_EQ(12, ReadSetting(store, IntegerSetting{"Option", "MyLineLen1"}));
    EXPECT_EQ(40, ReadSetting(store, IntegerSetting{"Option", "MyLineLen2"}));
    EXPECT_EQ(36, ReadSetting(store, IntegerSetting{"Option", "MyLineLen3"}));
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"Option", "TitleAble"}));
    EXPECT_EQ(0, ReadSetting(store, IntegerSetting{"Option", "TitleIndex"}));
    EXPECT_EQ("", ReadSetting(store, TextSetting{"Option", "TitleTopLetter"}));
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"Option", "EndAble"}));
    EXPECT_EQ(0, ReadSetting(store, IntegerSetting{"Option", "EndIndex"}));
    EXPECT_EQ("", ReadSetting(store, TextSetting{"Option", "EndTopLetter"}));
    EXPECT_EQ(0, ReadSetting(store, IntegerSetting{"Option", "TodayIndex"}));
    EXPECT_EQ("ddddddaaaaampmh\"時\"m\"分\"s\"秒\"",
              Cp932ToUtf8(ReadSetting(store, TextSetting{"Option", "TodayLetter"})));
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "IMEMode"}));

    EXPECT_FALSE(ReadSetting(store, BoolSetting{"Folder", "TitleEnable"}));
    EXPECT_EQ(0, ReadSetting(store, IntegerSetting{"Folder", "TitleEnableIndex"}));
    EXPECT_EQ(1, ReadSetting(store, IntegerSetting{"Folder", "TitleGyoume"}));
    EXPECT_EQ("", ReadSetting(store, TextSetting{"Folder", "TitleEnableLetter"}));
    EXPECT_EQ(0, ReadSetting(store, IntegerSetting{"Folder", "FileNameIndex"}));

    EXPECT_EQ(std::nullopt, ReadSetting(store, BinarySetting{"EditorProp", "EditorProp"}));
    EXPECT_EQ("", Bytes(file));
}

TEST_F(SettingsStoreTest, IniDirDefaultsToTheProgramFolder) {
    const std::string folder = ReadSetting(store, TextSetting{"File", "IniDir"});
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ('/', folder.back());
    EXPECT_TRUE(fs::is_regular_file(folder + "settings_tests")) << folder;
}

TEST_F(SettingsStoreTest, SeriesIndexOutsideTheSeriesIsAnError) {
    EXPECT_THROW((void)ReadSetting(store, TextSetting{"Search", "SearchLetter"}, 8),
                 std::out_of_range);
    EXPECT_THROW((void)ReadSetting(store, TextSetting{"Search", "SearchLetter"}),
                 std::out_of_range);
    EXPECT_THROW((void)ReadSetting(store, IntegerSetting{"Locate", "Top"}, 0), std::out_of_range);
}

TEST_F(SettingsStoreTest, IntegerTextsFollowTheConversionRules) {
    store.WriteString("File", "Gyoukan", "0x1F");
    EXPECT_EQ(31, store.ReadInteger("File", "Gyoukan", 2));
    store.WriteString("File", "Gyoukan", "$1F");
    EXPECT_EQ(31, store.ReadInteger("File", "Gyoukan", 2));
    store.WriteString("File", "Gyoukan", "abc");
    EXPECT_EQ(2, ReadSetting(store, IntegerSetting{"File", "Gyoukan"}));
    store.WriteString("File", "Gyoukan", "");
    EXPECT_EQ(2, ReadSetting(store, IntegerSetting{"File", "Gyoukan"}));
    store.WriteInteger("Locate", "Top", -12);
    WriteSetting(store, IntegerSetting{"View", "CoolBarWidth"}, 3, 500);
    EXPECT_EQ("[File]\nGyoukan=\n\n[Locate]\nTop=-12\n\n[View]\nCoolBarWidth3=500\n", Bytes(file));
    EXPECT_EQ(500, ReadSetting(store, IntegerSetting{"View", "CoolBarWidth"}, 3));
}

TEST_F(SettingsStoreTest, BooleansAreOneAndZeroAndReadAnyNonzeroAsTrue) {
    store.WriteString("Option", "Tab", "2");
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "Tab"}));
    store.WriteString("Option", "Tab", "0");
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"Option", "Tab"}));
    store.WriteString("Option", "Tab", "yes");
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "Tab"}));
    EXPECT_FALSE(store.ReadBool("Option", "Tab", false));
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "Space"})); // absent
    WriteSetting(store, BoolSetting{"Option", "Space"}, false);
    WriteSetting(store, BoolSetting{"View", "CoolBarBreak"}, 2, true);
    EXPECT_EQ("[Option]\nTab=yes\nSpace=0\n\n[View]\nCoolBarBreak2=1\n", Bytes(file));
}

TEST_F(SettingsStoreTest, ColoursAreStoredByNameOrDollarHex) {
    WriteSetting(store, ColorSetting{"Option", "SpaceColor"}, 0x80000002);
    WriteSetting(store, ColorSetting{"Option", "TabColor"}, 86 + 52 * 256 + 18 * 65536);
    EXPECT_EQ("[Option]\nSpaceColor=clActiveCaption\nTabColor=$00123456\n", Bytes(file));
    EXPECT_EQ(0x80000002u, ReadSetting(store, ColorSetting{"Option", "SpaceColor"}));
    EXPECT_EQ(0x123456u, ReadSetting(store, ColorSetting{"Option", "TabColor"}));
    WriteSetting(store, ColorSetting{"Option", "TabColor"}, 0x0000FF);
    EXPECT_EQ("clRed", store.ReadString("Option", "TabColor", ""));
    store.WriteString("Option", "TabColor", "bluish");
    EXPECT_EQ(clActiveCaption, ReadSetting(store, ColorSetting{"Option", "TabColor"}));
}

TEST_F(SettingsStoreTest, NamesDifferingOnlyInCaseAreOneValue) {
    store.WriteBool("File", "InitialLoadEnable", true);
    EXPECT_TRUE(store.ReadBool("File", "InitialLoadEnAble", false));
    EXPECT_TRUE(store.ReadBool("file", "INITIALLOADENABLE", false));
    store.WriteBool("FILE", "InitialLoadEnAble", false);
    EXPECT_FALSE(ReadSetting(store, BoolSetting{"File", "InitialLoadEnable"}));
    // The value keeps the spelling it was first written with.
    EXPECT_EQ("[File]\nInitialLoadEnable=0\n", Bytes(file));
    store.DeleteValue("fILE", "initialloadenable");
    EXPECT_EQ("[File]\n", Bytes(file));
}

TEST_F(SettingsStoreTest, WritesChangeOnlyTheValueTheyName) {
    const std::string before = "\xEF\xBB\xBF; written by hand\r\n"
                               "[Locate]\r\n"
                               "Top = 30\r\n"
                               "Left=40\r\n"
                               "\r\n"
                               "[Option]\r\n"
                               "odd line without equals\r\n"
                               "Tab=0";
    Put(file, before);
    store.WriteInteger("Locate", "Left", 41);
    store.WriteString("Locate", "Extra", "e");
    store.WriteBool("Option", "Space", false);
    EXPECT_EQ("\xEF\xBB\xBF; written by hand\r\n"
              "[Locate]\r\n"
              "Top = 30\r\n"
              "Left=41\r\n"
              "Extra=e\n"
              "\r\n"
              "[Option]\r\n"
              "odd line without equals\r\n"
              "Tab=0\n"
              "Space=0\n",
              Bytes(file));
    EXPECT_EQ(30, store.ReadInteger("Locate", "Top", 0));
    EXPECT_FALSE(store.ReadBool("Option", "Tab", true));
}

TEST_F(SettingsStoreTest, SectionIsCreatedOnlyByAWrite) {
    store.DeleteValue("View", "SearchBar");
    DeleteSetting(store, RetiredSetting{"View", "ToolBar"});
    EXPECT_EQ("", store.ReadString("View", "SearchBar", ""));
    EXPECT_EQ("", Bytes(file));
    WriteSetting(store, TextSetting{"Search", "SearchLetter"}, 7, "");
    EXPECT_EQ("[Search]\nSearchLetter7=\n", Bytes(file));
    // Empty text is a value, not an absent one.
    EXPECT_EQ("", store.ReadString("Search", "SearchLetter7", "absent"));
}

TEST_F(SettingsStoreTest, DeleteRemovesOnlyThatValue) {
    Put(file, "[View]\nSearchBar=1\nCoolBarIndex0=3\nToolBar=\nsearchbar=2\n");
    DeleteSetting(store, RetiredSetting{"View", "SearchBar"});
    DeleteSetting(store, RetiredSetting{"View", "ToolBar"});
    EXPECT_EQ("[View]\nCoolBarIndex0=3\n", Bytes(file));
}

TEST_F(SettingsStoreTest, NothingIsCachedBetweenStoresOrReads) {
    SettingsStore other(file);
    other.Open();
    store.WriteString("File", "RecentFile1", "/a.txt");
    EXPECT_EQ("/a.txt", ReadSetting(other, TextSetting{"File", "RecentFile"}, 1));
    Put(file, "[File]\nRecentFile1=/b.txt\n");
    EXPECT_EQ("/b.txt", ReadSetting(store, TextSetting{"File", "RecentFile"}, 1));
}

TEST_F(SettingsStoreTest, TextsRoundTripByteForByteAndReadablyInTheFile) {
    const std::string texts[] = {
        "\x81\x79\x8B\x4C\x8E\xD2\x81\x7A", // 【記者】
        " padded ",
        "two\r\nlines",
        "nul\0inside"s,
        "\x82",     // a lead byte alone
        "\xED\x40", // 纊 in NEC's copy of the IBM extensions
        "\"quoted\"",
        "hex:41",
        "C:\\docs\\",
    };
    for (const std::string& text : texts) {
        store.WriteString("Option", "TitleTopLetter", text);
        SettingsStore fresh(file);
        fresh.Open();
        EXPECT_EQ(text, ReadSetting(fresh, TextSetting{"Option", "TitleTopLetter"}));
    }
    store.WriteString("Option", "EndTopLetter", texts[0]);
    EXPECT_NE(std::string::npos, Bytes(file).find("EndTopLetter=【記者】\n"));
}

TEST_F(SettingsStoreTest, BinaryValueRoundTripsAndIsNoText) {
    std::string bytes = "TPF0";
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    WriteSetting(store, BinarySetting{"EditorProp", "EditorProp"}, bytes);
    EXPECT_EQ(std::optional(bytes), ReadSetting(store, BinarySetting{"EditorProp", "EditorProp"}));
    try {
        (void)store.ReadString("EditorProp", "EditorProp", "");
        FAIL() << "a binary value read as text";
    } catch (const SettingsError& e) {
        EXPECT_EQ(SettingsErrorKind::ValueType, e.Kind());
        EXPECT_EQ("'EditorProp' のﾃﾞｰﾀ型が不正です", Cp932ToUtf8(e.what()));
    }
    EXPECT_THROW((void)store.ReadInteger("EditorProp", "EditorProp", 0), SettingsError);
    // A text where the binary value belongs is no stream; it reads as absent.
    store.WriteString("EditorProp", "EditorProp", "TPF0");
    EXPECT_EQ(std::nullopt, ReadSetting(store, BinarySetting{"EditorProp", "EditorProp"}));
    WriteSetting(store, BinarySetting{"EditorProp", "EditorProp"}, "");
    EXPECT_EQ(std::optional<std::string>(""),
              ReadSetting(store, BinarySetting{"EditorProp", "EditorProp"}));
}

TEST_F(SettingsStoreTest, DamagedFileReadsAsDefaultsWhereItCannotBeReadAndIsNotRewritten) {
    const std::string damaged = "[Locate]\r\n"
                                "Top=12\r\n"
                                "Left=\"abc\r\n" // a quoted text cut short
                                "\0\xFF\xFE garbage [\r\n"
                                "Width=abc\r\n"
                                "Height=0x1F4\n"
                                "[Option]\n"
                                "SpaceColor=bluish\n"
                                "Space=\xFF\n"
                                "TitleTopLetter=\xE2\x98\n" // cut UTF-8
                                "[EditorProp]\n"
                                "EditorProp=hex:54504\n"
                                "[Fol"s;
    Put(file, damaged);
    EXPECT_EQ(12, ReadSetting(store, IntegerSetting{"Locate", "Top"}));
    EXPECT_EQ(10, ReadSetting(store, IntegerSetting{"Locate", "Left"}));
    EXPECT_EQ(650, ReadSetting(store, IntegerSetting{"Locate", "Width"}));
    EXPECT_EQ(500, ReadSetting(store, IntegerSetting{"Locate", "Height"}));
    EXPECT_EQ(clActiveCaption, ReadSetting(store, ColorSetting{"Option", "SpaceColor"}));
    EXPECT_TRUE(ReadSetting(store, BoolSetting{"Option", "Space"}));
    EXPECT_EQ("", ReadSetting(store, TextSetting{"Option", "TitleTopLetter"}));
    EXPECT_EQ(std::nullopt, ReadSetting(store, BinarySetting{"EditorProp", "EditorProp"}));
    EXPECT_EQ(1, ReadSetting(store, IntegerSetting{"Folder", "TitleGyoume"}));
    EXPECT_EQ(damaged, Bytes(file));

    // A write mends its own value and keeps the rest for a person to look at.
    WriteSetting(store, IntegerSetting{"Locate", "Left"}, 7);
    EXPECT_EQ(7, ReadSetting(store, IntegerSetting{"Locate", "Left"}));
    EXPECT_EQ(12, ReadSetting(store, IntegerSetting{"Locate", "Top"}));
    EXPECT_NE(std::string::npos, Bytes(file).find("\0\xFF\xFE garbage [\r\n"s));
}

TEST_F(SettingsStoreTest, NamesTheFileCannotHoldAreRefused) {
    try {
        store.WriteString("Bad]Section", "Name", "x");
        FAIL() << "no error";
    } catch (const SettingsError& e) {
        EXPECT_EQ("ｷｰ Bad]Section の作成に失敗しました", Cp932ToUtf8(e.what()));
    }
    try {
        store.WriteString("Option", "a=b", "x");
        FAIL() << "no error";
    } catch (const SettingsError& e) {
        EXPECT_EQ("'a=b' の設定に失敗しました", Cp932ToUtf8(e.what()));
    }
    EXPECT_EQ("", Bytes(file));
}

TEST_F(SettingsStoreTest, UnreadableStoreReportsTheValueItWasReading) {
    const fs::path folderAsFile = dir / "Other" / "Mojiro.ini";
    fs::create_directories(folderAsFile); // the file's name is taken by a folder
    SettingsStore broken(folderAsFile);
    broken.Open();
    try {
        (void)ReadSetting(broken, IntegerSetting{"Locate", "Top"});
        FAIL() << "no error";
    } catch (const SettingsError& e) {
        EXPECT_EQ(SettingsErrorKind::ReadValue, e.Kind());
        EXPECT_EQ("'Top' の取得に失敗しました", Cp932ToUtf8(e.what()));
    }
}

TEST_F(SettingsStoreTest, UnwritableFolderKeepsTheOldFileAndReportsTheFailure) {
    const std::string before = "[Locate]\nTop=10\n";
    Put(file, before);
    Put(root / "Mojiro.ini.lock", "");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    fs::permissions(root / "Mojiro.ini.lock", fs::perms::all & ~fs::perms::owner_exec &
                                                  ~fs::perms::group_exec & ~fs::perms::others_exec);
    fs::permissions(root, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);

    EXPECT_EQ("'Top' の設定に失敗しました", InChild([&] {
                  GiveUpRoot();
                  WriteSetting(store, IntegerSetting{"Locate", "Top"}, 99);
              }));
    EXPECT_EQ("ｷｰ Search の作成に失敗しました", InChild([&] {
                  GiveUpRoot();
                  WriteSetting(store, TextSetting{"Search", "SearchLetter"}, 0, "x");
              }));
    EXPECT_EQ("no error", InChild([&] {
                  GiveUpRoot();
                  DeleteSetting(store, RetiredSetting{"View", "SearchBar"}); // nothing to do
                  if (ReadSetting(store, IntegerSetting{"Locate", "Top"}) != 10) {
                      throw std::runtime_error("old value not read");
                  }
              }));
    EXPECT_EQ(before, Bytes(file));
    EXPECT_EQ((std::vector<std::string>{"Mojiro.ini", "Mojiro.ini.lock"}), FolderEntries(root));
}

TEST_F(SettingsStoreTest, FullDiskKeepsTheOldFileAndReportsTheFailure) {
    const std::string before = "[Option]\nTitleTopLetter=old\n";
    Put(file, before);
    EXPECT_EQ(
        "'TitleTopLetter' の設定に失敗しました", InChild([&] {
            // A file size limit fails the write as a full disk would.
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 4096;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            WriteSetting(store, TextSetting{"Option", "TitleTopLetter"}, std::string(10000, 'x'));
        }));
    EXPECT_EQ(before, Bytes(file));
    EXPECT_EQ((std::vector<std::string>{"Mojiro.ini", "Mojiro.ini.lock"}), FolderEntries(root));
}

class DefaultPath : public ::testing::Test {
protected:
    void SetUp() override {
        Save("XDG_CONFIG_HOME", xdg_);
        Save("HOME", home_);
        ::setenv("HOME", "/home/reporter", 1);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", xdg_);
        Restore("HOME", home_);
    }

private:
    static void Save(const char* name, std::optional<std::string>& value) {
        if (const char* v = std::getenv(name)) {
            value = v;
        }
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    std::optional<std::string> xdg_;
    std::optional<std::string> home_;
};

TEST_F(DefaultPath, FollowsXdgConfigHome) {
    ::setenv("XDG_CONFIG_HOME", "/srv/config", 1);
    EXPECT_EQ(fs::path("/srv/config/Mojiro/Mojiro.ini"), DefaultSettingsPath());
}

TEST_F(DefaultPath, FallsBackToDotConfigWhenUnsetEmptyOrRelative) {
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(fs::path("/home/reporter/.config/Mojiro/Mojiro.ini"), DefaultSettingsPath());
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(fs::path("/home/reporter/.config/Mojiro/Mojiro.ini"), DefaultSettingsPath());
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(fs::path("/home/reporter/.config/Mojiro/Mojiro.ini"), DefaultSettingsPath());
}

} // namespace
} // namespace mojiro
