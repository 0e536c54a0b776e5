// Finding a text in the rows: the candidates forwards and backwards, letter
// case as the code page sees it (never on a trail byte), matches across a
// wrapped row and a line break, and agreement with a plain search of the
// joined, upper-cased text.
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"
#include "editor/TextSearch.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

namespace mojiro {
namespace {

constexpr auto kForward = SearchDirection::Forward;
constexpr auto kBackward = SearchDirection::Backward;
constexpr std::optional<std::ptrdiff_t> kNone = std::nullopt;

class TextSearchTest : public ::testing::Test {
protected:
    TextSearchTest() { editor.InitFontMetrics(); }

    void Load(std::string_view text, int wrapByte = 0) {
        if (wrapByte > 0) {
            editor.WrapOption().SetWrapByte(wrapByte);
            editor.SetWordWrap(true);
        }
        editor.ListInfo().LoadFromBytes(text);
    }
    std::optional<std::ptrdiff_t> Find(std::string_view text, std::ptrdiff_t start,
                                       SearchDirection direction) {
        return FindText(editor.ListInfo(), text, start, direction);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
};

TEST_F(TextSearchTest, ForwardFindsTheFirstMatchAtOrAfterTheStartIgnoringCase) {
    Load("ABCabc");
    EXPECT_EQ(Find("bc", 0, kForward), 1);
    EXPECT_EQ(Find("bc", 1, kForward), 1);
    EXPECT_EQ(Find("bc", 3, kForward), 4);
    EXPECT_EQ(Find("bc", 6, kForward), kNone);
    // Fewer bytes than the search text are left at the end: no match there.
    EXPECT_EQ(Find("bcd", 0, kForward), kNone);
}

TEST_F(TextSearchTest, BackwardFindsTheLastMatchBeginningBeforeTheStart) {
    Load("ABCabc");
    EXPECT_EQ(Find("bc", 6, kBackward), 4);
    EXPECT_EQ(Find("bc", 4, kBackward), 1);
    EXPECT_EQ(Find("bc", 1, kBackward), kNone);
    // A match beginning before the start may run on past it.
    EXPECT_EQ(Find("bc", 5, kBackward), 4);
    EXPECT_EQ(Find("ABCABC", 1, kBackward), 0);
}

TEST_F(TextSearchTest, EmptySearchTextMatchesAtTheFirstCandidateOnly) {
    Load("ab");
    EXPECT_EQ(Find("", 1, kForward), 1);
    EXPECT_EQ(Find("", 2, kForward), kNone);
    EXPECT_EQ(Find("", 2, kBackward), 1);
    EXPECT_EQ(Find("", 0, kBackward), kNone);
}

TEST_F(TextSearchTest, MatchesSpanAWrappedRowEndAndALineBreak) {
    // 23 bytes fold after 20; the line break counts two bytes.
    Load("0123456789012345678Xyz9\r\nabc", 20);
    ASSERT_EQ(editor.GetRowEndKind(0), RowEndKind::Wrapped);
    ASSERT_EQ(editor.RowString(1), "yz9");
    EXPECT_EQ(Find("8xYz", 0, kForward), 18);
    EXPECT_EQ(Find("8xYz", 19, kBackward), 18);
    EXPECT_EQ(Find("z9\r\nA", 0, kForward), 21);
    EXPECT_EQ(Find("z9\r\nA", 28, kBackward), 21);
    EXPECT_EQ(Find("\nab", 24, kForward), 24);
    EXPECT_EQ(Find("\nab", 24, kBackward), kNone);
}

TEST_F(TextSearchTest, TrailBytesKeepTheirCaseAndMayBeginAMatch) {
    // ャ is 83 61: its trail byte looks like "a" but is no letter.
    Load("\x83\x61"
         "a");
    EXPECT_EQ(Find("A", 0, kForward), 2);
    EXPECT_EQ(Find("\x83\x41", 0, kForward), kNone); // ア is another character
    EXPECT_EQ(Find("\x83\x61", 0, kForward), 0);
    // ア is 83 41: a match may begin on its trail byte.
    Load("\x83\x41");
    EXPECT_EQ(Find("a", 0, kForward), 1);
    EXPECT_EQ(Find("a", 2, kBackward), 1);
    // 亜 (88 9F) has a trail byte in the lead range: the "a" after it is a letter.
    Load("\x88\x9F"
         "a\x88\x9F\x83"
         "a");
    EXPECT_EQ(Find("A", 0, kForward), 2);
    EXPECT_EQ(Find("A", 6, kBackward), 2);
}

// The search as a plain loop over the whole text joined and upper-cased.
std::optional<std::ptrdiff_t> JoinedSearch(const std::string& text, const std::string& search,
                                           std::ptrdiff_t start, SearchDirection direction) {
    const std::string upperText = AnsiUpperCase(text);
    const std::string upperSearch = AnsiUpperCase(search);
    const auto length = static_cast<std::ptrdiff_t>(text.size());
    const int step = direction == kForward ? 1 : -1;
    std::ptrdiff_t p = start + (direction == kBackward ? 1 : 0);
    for (;;) {
        p += step;
        if (p < 1 || p > length)
            return std::nullopt;
        if (upperText.compare(static_cast<std::size_t>(p - 1), upperSearch.size(), upperSearch) ==
                0 &&
            p - 1 + static_cast<std::ptrdiff_t>(upperSearch.size()) <= length)
            return p - 1;
    }
}

TEST_F(TextSearchTest, AgreesWithASearchOfTheJoinedText) {
    const std::string pieces[] = {"a",        "A",        "b",    "@",    "\x83\x61",
                                  "\x83\x41", "\x88\x9F", "\x88", "\x9F", "\xE0",
                                  "\r\n",     "\x82\xA0", "ab"};
    std::mt19937 random(12345);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 60; ++round) {
        std::string bytes;
        const int count = 5 + pick(60);
        for (int i = 0; i < count; ++i)
            bytes += pieces[pick(std::size(pieces))];
        Load(bytes, round % 2 == 0 ? 20 : 0);
        const std::string text = editor.ListInfo().Text();
        const auto length = static_cast<std::ptrdiff_t>(text.size());
        for (int k = 0; k < 8; ++k) {
            std::string search;
            if (k % 2 == 0 && length > 0) {
                const auto from = static_cast<std::size_t>(pick(static_cast<int>(length)));
                search = text.substr(from, 1 + pick(5));
            } else {
                for (int i = 1 + pick(3); i > 0; --i)
                    search += pieces[pick(std::size(pieces))];
            }
            for (std::ptrdiff_t start = 0; start <= length; ++start) {
                for (const SearchDirection direction : {kForward, kBackward}) {
                    ASSERT_EQ(Find(search, start, direction),
                              JoinedSearch(text, search, start, direction))
                        << "round " << round << " start " << start << " direction "
                        << static_cast<int>(direction);
                }
            }
        }
    }
}

} // namespace
} // namespace mojiro
