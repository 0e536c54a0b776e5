#include "app/ClipboardHistory.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

using Entries = std::vector<std::string>;

TEST(ClipboardHistory, KeepsTheTenNewestDistinctTextsNewestFirst) {
    TClipboardHistory history;
    for (int i = 1; i <= 11; ++i)
        history.Enter("t" + std::to_string(i));
    ASSERT_EQ(10U, history.Entries().size());
    EXPECT_EQ("t11", history.Entries().front());
    EXPECT_EQ("t2", history.Entries().back());
}

TEST(ClipboardHistory, TextEqualButForCaseReplacesTheOldEntry) {
    TClipboardHistory history;
    history.Enter("abc");
    history.Enter("x");
    history.Enter("ABC");
    history.Enter("");
    EXPECT_EQ((Entries{"ABC", "x"}), history.Entries());
}

TEST(ClipboardHistory, PickedEntryMovesToTheFront) {
    TClipboardHistory history;
    for (const char* text : {"d", "c", "b", "a"})
        history.Enter(text);
    history.MoveToFront(3);
    EXPECT_EQ((Entries{"d", "a", "b", "c"}), history.Entries());
}

TEST(ClipboardHistory, LongEntryIsCutWithoutSplittingACharacter) {
    const std::string ascii(200, 'x');
    EXPECT_EQ(std::string(126, 'x') + "… (&1)", HistoryCaption(ascii, 0));
    // A double-byte character at bytes 125 and 126 is left out whole.
    const std::string kanji = std::string(125, 'x') + "\x8B\x4C" + std::string(73, 'y'); // 記
    EXPECT_EQ(std::string(125, 'x') + "… (&0)", HistoryCaption(kanji, 9));
    EXPECT_EQ("\xE8\xA8\x98 (&3)", HistoryCaption("\x8B\x4C", 2)); // 記
}

} // namespace
} // namespace mojiro
