// Automatic file names from the title row and the date, and the dialogs'
// file-type filter.
#include "../editor/FakeHost.h"
#include "FileTestSupport.h"
#include "app/AutoFileName.h"
#include "app/FileFilter.h"
#include "editor/CustomEditor.h"
#include "platform/Cp932Codec.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

using namespace std::string_view_literals;

// CP932 texts of the article.
constexpr std::string_view kShigikai = "\x8E\x73\x8B\x63\x89\xEF\x82\xAA\x97\x5C\x8E\x5A\x88\xC4"
                                       "\x89\xC2\x8C\x88";        // 市議会が予算案可決
constexpr std::string_view kMarker = "\x81\x9F";                  // ◆
constexpr std::string_view kMidashi = "\x8C\xA9\x8F\x6F\x82\xB5"; // 見出し
constexpr std::string_view kHonbun = "\x96\x7B\x95\xB6";          // 本文

constexpr CalendarDate kSeptember3rd{2000, 9, 3};

class AutoFileName : public ::testing::Test {
protected:
    AutoFileName() { editor.InitFontMetrics(); }

    void Load(const std::string& text) { editor.ListInfo().LoadFromBytes(text); }

    // The automatic name as UTF-8, for readable comparisons.
    std::string NameFor(const AutoNameRules& rules, CalendarDate date = kSeptember3rd) {
        return Cp932ToUtf8(MakeAutoName(FindTitle(editor, rules), rules.dateForm, date).name);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
    AutoNameRules byRow{.enabled = true, .titleIndex = 0, .titleRow = 1, .marker = {}};
    AutoNameRules byMarker{.enabled = true, .titleIndex = 1, .marker = std::string(kMarker)};
};

TEST_F(AutoFileName, EachDateFormPutsTheDateBeforeOrBehindTheTitle) {
    Load(std::string(kShigikai) + "\r\n" + std::string(kHonbun) + "\r\n");
    const char* expected[] = {"市議会が予算案可決", "0903市議会が予算案可決",
                              "000903市議会が予算案可決", "市議会が予算案可決0903",
                              "市議会が予算案可決000903"};
    for (int form = 0; form < 5; ++form) {
        byRow.dateForm = form;
        EXPECT_EQ(expected[form], NameFor(byRow)) << "form " << form;
    }
    byRow.dateForm = 2;
    EXPECT_EQ("991231市議会が予算案可決", NameFor(byRow, {1999, 12, 31}));
}

TEST_F(AutoFileName, ForbiddenCharacterDropsTheTitleButKeepsTheDate) {
    const std::string title = "\x89\xEF\x8B\x63:\x8C\x8B\x98\x5F"; // 会議:結論
    EXPECT_TRUE(MakeAutoName(title, 0, kSeptember3rd).forbidden);
    EXPECT_EQ("", MakeAutoName(title, 0, kSeptember3rd).name);
    EXPECT_EQ("000903", MakeAutoName(title, 2, kSeptember3rd).name);
}

TEST_F(AutoFileName, OnlySingleByteCharactersCanBeForbidden) {
    // The trail byte 0x5C of 表 and 予 is no backslash.
    EXPECT_FALSE(HasForbiddenCharacter("\x95\x5C"));
    EXPECT_FALSE(HasForbiddenCharacter(kShigikai));
    for (const std::string_view bad : {"a\\b"sv, "a/b"sv, "a:b"sv, "a*"sv, "a?"sv, "\"a\""sv,
                                       "<a>"sv, "a|b"sv, "a\tb"sv, "a\0b"sv}) {
        EXPECT_TRUE(HasForbiddenCharacter(bad)) << bad;
    }
}

TEST_F(AutoFileName, MarkerRuleTakesTheRestOfTheFirstMarkedRowAmongTheFirstTwenty) {
    Load(std::string(kHonbun) + "\r\n" + std::string(kMarker) + std::string(kMidashi) + "\r\n" +
         std::string(kMarker) + "second\r\n");
    EXPECT_EQ("見出し", NameFor(byMarker));

    std::string text;
    for (int row = 0; row < 20; ++row) {
        text += "row\r\n";
    }
    Load(text + std::string(kMarker) + std::string(kMidashi) + "\r\n"); // the 21st row
    EXPECT_EQ("", NameFor(byMarker));
}

class FileFilterTest : public ::testing::Test {
protected:
    FileFilter FilterFor(const std::string& ext) {
        WriteSetting(store, TextSetting{"File", "Ext"}, ext);
        return BuildFileFilter(store);
    }

    test::TempFolder folder;
    SettingsStore store{folder / "Mojiro.ini"};

    void SetUp() override { store.Open(); }
};

TEST_F(FileFilterTest, DefaultExtensionGivesTheTextFileEntryFirst) {
    const FileFilter filter = BuildFileFilter(store);
    EXPECT_EQ("ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべてのﾌｧｲﾙ|*.*", filter.text);
    EXPECT_EQ("ﾃｷｽﾄﾌｧｲﾙ (*.txt);;すべてのﾌｧｲﾙ (*)", filter.QtFilter());
}

TEST_F(FileFilterTest, SeveralExtensionsJoinTheTextFileEntry) {
    const FileFilter filter = FilterFor("*.txt;*.doc;");
    EXPECT_EQ("ﾃｷｽﾄﾌｧｲﾙ|*.txt;*.doc|すべてのﾌｧｲﾙ|*.*", filter.text);
    EXPECT_EQ("ﾃｷｽﾄﾌｧｲﾙ (*.txt *.doc)", filter.QtTextFileEntry());
}

} // namespace
} // namespace mojiro
