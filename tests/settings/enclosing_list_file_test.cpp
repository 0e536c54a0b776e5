// The enclosing-pair list file: its exact lines, and what a foreign, damaged
// or too long file does to the list.
#include "FileTestSupport.h"
#include "settings/EnclosingListFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::FreshFolder;
using test::Put;
using namespace std::string_literals;

constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
const std::string kHeader =
    "Mojiro\x88\xcd\x82\xdd\x95\xb6\x8e\x9a\x83\x8a\x83\x58\x83\x67"; // Mojiro囲み文字リスト

void AddPair(TEditorBracketCollection& list, const std::string& left, const std::string& right,
             TColor color, TColor bkColor, TFontStyles style) {
    TEditorBracketItem& item = list.Add();
    item.SetLeftBracket(left);
    item.SetRightBracket(right);
    item.ItemColor().SetColor(color);
    item.ItemColor().SetBkColor(bkColor);
    item.ItemColor().SetStyle(style);
}

// Every pair as one line, so that two lists compare with the difference shown.
std::string Describe(const TEditorBracketCollection& list) {
    std::ostringstream out;
    for (int i = 0; i < list.Count(); ++i) {
        const TEditorBracketItem& item = list.Items(i);
        out << item.LeftBracket() << ' ' << item.RightBracket() << ' ' << item.ItemColor().Color()
            << ' ' << item.ItemColor().BkColor() << ' ' << int(item.ItemColor().Style()) << '\n';
    }
    return out.str();
}

std::string ListFileOfPairs(int count) {
    std::string text = kHeader + "\r\n" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
        text += "<" + std::to_string(i) + "\r\n>\r\n0\r\n16777215\r\n0\r\n0\r\n1\r\n";
    }
    return text;
}

TEST(EnclosingListFile, TwoPairsAreWrittenAsSixteenLinesAndReadBack) {
    const fs::path file = FreshFolder() / "list.txt";
    TEditorBracketCollection list;
    AddPair(list, "\x81\x75", "\x81\x76", clRed, clWindow, fsBold); // 「」
    AddPair(list, "\x81\x79", "\x81\x7a", clBlue, clWindow, 0);     // 【】
    SaveEnclosingList(file.string(), list);

    EXPECT_EQ(kHeader + "\r\n2\r\n"
                        "\x81\x75\r\n\x81\x76\r\n255\r\n-2147483643\r\n1\r\n0\r\n0\r\n"
                        "\x81\x79\r\n\x81\x7a\r\n16711680\r\n-2147483643\r\n0\r\n0\r\n0\r\n",
              Bytes(file));

    TEditorBracketCollection loaded;
    AddPair(loaded, "(", ")", clBlack, clWhite, fsItalic);
    ASSERT_TRUE(LoadEnclosingList(file.string(), loaded));
    EXPECT_EQ(Describe(list), Describe(loaded));
}

TEST(EnclosingListFile, FileWithoutTheExactHeaderIsRefusedAndListKept) {
    const fs::path file = FreshFolder() / "list.txt";
    TEditorBracketCollection list;
    AddPair(list, "(", ")", clRed, clWindow, 0);
    const std::string before = Describe(list);

    Put(file, kHeader + " \r\n0\r\n");
    EXPECT_FALSE(LoadEnclosingList(file.string(), list));
    Put(file, "");
    EXPECT_FALSE(LoadEnclosingList(file.string(), list));
    EXPECT_EQ(before, Describe(list));
    EXPECT_EQ("/tmp/a.txtは囲み文字リストではありません", NotAListMessage("/tmp/a.txt"));
}

TEST(EnclosingListFile, DamagedOrShortFileIsRefusedAndListKept) {
    const fs::path file = FreshFolder() / "list.txt";
    TEditorBracketCollection list;
    AddPair(list, "(", ")", clRed, clWindow, 0);
    const std::string before = Describe(list);

    std::string badColor = ListFileOfPairs(2);
    badColor.replace(badColor.find("16777215"), 8, "white");
    for (const std::string& text :
         {kHeader + "\r\n", kHeader + "\r\ntwo\r\n", kHeader + "\r\n-1\r\n", badColor,
          ListFileOfPairs(2).substr(0, ListFileOfPairs(2).size() - 3)}) {
        Put(file, text);
        EXPECT_THROW((void)LoadEnclosingList(file.string(), list), FileError) << text;
        EXPECT_EQ(before, Describe(list));
    }
    EXPECT_THROW((void)LoadEnclosingList((file.parent_path() / "missing").string(), list),
                 FileError);
}

TEST(EnclosingListFile, StyleBitIsSetOnlyByAOneAndLineFeedEndsAreRead) {
    const fs::path file = FreshFolder() / "list.txt";
    Put(file, kHeader + "\n1\n[\n]\n4294967295\n-2147483643\n01\n 1\n1\n");
    TEditorBracketCollection list;
    ASSERT_TRUE(LoadEnclosingList(file.string(), list));
    EXPECT_EQ("[ ] 4294967295 2147483653 4\n", Describe(list));
}

TEST(EnclosingListFile, FifteenthPairStopsLoadingAndKeepsTheFourteenBefore) {
    const fs::path file = FreshFolder() / "list.txt";
    Put(file, ListFileOfPairs(16));
    TEditorBracketCollection list;
    EXPECT_THROW((void)LoadEnclosingList(file.string(), list), EditorError);
    ASSERT_EQ(14, list.Count());
    EXPECT_EQ("<13", list.Items(13).LeftBracket());
}

TEST(EnclosingListFile, SavingOverAListKeepsItsPermissions) {
    const fs::path file = FreshFolder() / "list.txt";
    Put(file, "old");
    fs::permissions(file, fs::perms(0640), fs::perm_options::replace);
    SaveEnclosingList(file.string(), TEditorBracketCollection());
    EXPECT_EQ(kHeader + "\r\n0\r\n", Bytes(file));
    EXPECT_EQ(fs::perms(0640), fs::status(file).permissions());
}

TEST(EnclosingListFile, SaveIntoAMissingFolderThrowsFileError) {
    TEditorBracketCollection list;
    AddPair(list, "(", ")", clRed, clWindow, 0);
    EXPECT_THROW(SaveEnclosingList((FreshFolder() / "no" / "list.txt").string(), list), FileError);
}

} // namespace
} // namespace mojiro
