#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

TEST(SameTextIgnoringCase, FoldsLettersOfEachScriptToTheirOwnOtherCase) {
    EXPECT_TRUE(SameTextIgnoringCase("abc", "ABC"));
    EXPECT_TRUE(SameTextIgnoringCase("\x82\x81", "\x82\x60")); // ａ Ａ
    EXPECT_TRUE(SameTextIgnoringCase("\x83\xBF", "\x83\x9F")); // α Α
    EXPECT_TRUE(SameTextIgnoringCase("\x84\x80", "\x84\x4F")); // о О (after the gap)
    EXPECT_FALSE(SameTextIgnoringCase("a", "\x82\x60"));       // a Ａ
    EXPECT_FALSE(SameTextIgnoringCase("abc", "ab"));
}

TEST(SameTextIgnoringCase, NeverTreatsATrailByteAsALetter) {
    // The trail bytes 0x61 and 0x41 of two different kanji are no letters.
    EXPECT_FALSE(SameTextIgnoringCase("\x88\x61", "\x88\x41"));
}

} // namespace
} // namespace mojiro
