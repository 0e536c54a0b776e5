#include "platform/Cp932Codec.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace mojiro {
namespace {

using namespace std::string_literals;

std::string Bytes(std::uint16_t code) {
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// --- CP932 to UTF-8 ---

TEST(Cp932ToUtf8, ConvertsAsciiHalfWidthKatakanaAndKanji) {
    EXPECT_EQ("Aｱ漢字、", Cp932ToUtf8("A\xB1\x8A\xBF\x8E\x9A\x81\x41")); // Aｱ漢字、
}

TEST(Cp932ToUtf8, KeepsBackslashTildeAndNulAsTheirAsciiCharacters) {
    EXPECT_EQ("\\~\0x"s, Cp932ToUtf8("\x5C\x7E\0x"s));
}

TEST(Cp932ToUtf8, ConvertsUserDefinedAreaToPrivateUseCharacters) {
    EXPECT_EQ("\xEE\x80\x80", Cp932ToUtf8("\xF0\x40")); // U+E000
}

TEST(Cp932ToUtf8, ReplacesBytesThatAreNoCharacterOnePlaceholderEach) {
    EXPECT_EQ("a?????b", Cp932ToUtf8("a\x80\xA0\xFD\xFE\xFF"
                                     "b",
                                     "?"));
}

TEST(Cp932ToUtf8, ReplacesBothBytesOfAnUnassignedPair) {
    EXPECT_EQ("??A", Cp932ToUtf8("\x85\x40"
                                 "A",
                                 "?"));
    EXPECT_EQ("??", Cp932ToUtf8("\xEB\x9F", "?"));
}

TEST(Cp932ToUtf8, ReplacesLoneLeadByteAtTheEnd) {
    EXPECT_EQ("a?", Cp932ToUtf8("a\x82", "?"));
}

TEST(Cp932ToUtf8, DecodesTheByteAfterALeadByteThatCannotBeATrailByte) {
    EXPECT_EQ("?\r\nx", Cp932ToUtf8("\x82\r\nx", "?"));
    EXPECT_EQ("? 漢", Cp932ToUtf8("\x88\x20\x8A\xBF", "?")); // 漢
}

TEST(Cp932ToUtf8, UsesTheReplacementCharacterAsDefaultPlaceholder) {
    EXPECT_EQ("\xEF\xBF\xBD", Cp932ToUtf8("\x80"));
}

// --- UTF-8 to CP932 ---

TEST(Utf8ToCp932, ConvertsJapaneseTextWithoutReplacement) {
    const FromUnicodeResult result = Utf8ToCp932("漢字、ｱ\t1");
    EXPECT_EQ("\x8A\xBF\x8E\x9A\x81\x41\xB1\t1", result.bytes); // 漢字、ｱ
    EXPECT_EQ(0, result.replaced);
}

TEST(Utf8ToCp932, KeepsNulAndControlCharacters) {
    const FromUnicodeResult result = Utf8ToCp932("\0\r\n\x1A"s);
    EXPECT_EQ("\0\r\n\x1A"s, result.bytes);
    EXPECT_EQ(0, result.replaced);
}

TEST(Utf8ToCp932, ReplacesCharactersCp932CannotHoldWithGetaMarkAndCountsThem) {
    const FromUnicodeResult result = Utf8ToCp932("a😀b한\xEF\xBF\xBD"); // U+FFFD last
    EXPECT_EQ("a\x81\xAC"
              "b\x81\xAC\x81\xAC",
              result.bytes); // a〓b〓〓
    EXPECT_EQ(3, result.replaced);
}

TEST(Utf8ToCp932, KeepsAGetaMarkInTheInputWithoutCountingIt) {
    const FromUnicodeResult result = Utf8ToCp932("〓");
    EXPECT_EQ("\x81\xAC", result.bytes); // 〓
    EXPECT_EQ(0, result.replaced);
}

TEST(Utf8ToCp932, ReplacesATruncatedSequenceOnceAndReadsTheByteThatBrokeIt) {
    const FromUnicodeResult result = Utf8ToCp932("\xE6\xBC"
                                                 "a\xE6\xBC"); // 漢 cut twice
    EXPECT_EQ("\x81\xAC"
              "a\x81\xAC",
              result.bytes); // 〓a〓
    EXPECT_EQ(2, result.replaced);
}

TEST(Utf8ToCp932, ReplacesOverlongsSurrogatesAndStrayBytesByteByByte) {
    // C0 and F5 never start a sequence; ED A0 is a surrogate, so ED stands
    // alone and A0 80 are stray continuation bytes; F4 90 is above U+10FFFF.
    const FromUnicodeResult result = Utf8ToCp932("\xC0\xAF|\xED\xA0\x80|\xF5|\xF4\x90\x80\x80");
    const std::string geta = "\x81\xAC"; // 〓
    EXPECT_EQ(geta + geta + "|" + geta + geta + geta + "|" + geta + "|" + geta + geta + geta + geta,
              result.bytes);
    EXPECT_EQ(10, result.replaced);
}

TEST(Utf8ToCp932, ConvertsJisFormsOfCharactersCp932KnowsInAnotherForm) {
    const FromUnicodeResult result = Utf8ToCp932("〜−—¢£¬‖");
    EXPECT_EQ("\x81\x60\x81\x7C\x81\x5C\x81\x91\x81\x92\x81\xCA\x81\x61", // ～－―￠￡￢∥
              result.bytes);
    EXPECT_EQ(0, result.replaced);
}

TEST(Utf8ToCp932, ReplacesYenSignAndOverlineRatherThanTurningThemIntoBackslashAndTilde) {
    const FromUnicodeResult result = Utf8ToCp932("¥‾");
    EXPECT_EQ("\x81\xAC\x81\xAC", result.bytes); // 〓〓
    EXPECT_EQ(2, result.replaced);
}

TEST(Utf8ToCp932, ChoosesTheCanonicalCodeOfCharactersCp932HoldsTwice) {
    EXPECT_EQ("\x81\xCA", Utf8ToCp932("￢").bytes); // JIS X 0208, not NEC-selected or IBM
    EXPECT_EQ("\x81\xE6", Utf8ToCp932("∵").bytes);  // JIS X 0208, not NEC row 13 or IBM
    EXPECT_EQ("\x87\x54", Utf8ToCp932("Ⅰ").bytes);  // NEC row 13, not IBM
    EXPECT_EQ("\xFA\x40", Utf8ToCp932("ⅰ").bytes);  // IBM, not NEC-selected
    EXPECT_EQ("\xFA\x5C", Utf8ToCp932("纊").bytes); // IBM, not NEC-selected
}

// --- Tables ---

TEST(Cp932Tables, TellValidDoubleByteCharactersFromInvalidPairs) {
    EXPECT_TRUE(IsValidCp932Char(0x88, 0x9F));  // 亜
    EXPECT_TRUE(IsValidCp932Char(0xF9, 0xFC));  // last user-defined code
    EXPECT_FALSE(IsValidCp932Char(0x85, 0x40)); // unassigned row
    EXPECT_FALSE(IsValidCp932Char(0x81, 0x7F)); // 0x7F is never a trail byte
    EXPECT_FALSE(IsValidCp932Char(0x81, 0x3F));
    EXPECT_FALSE(IsValidCp932Char(0x41, 0x41)); // no lead byte
    EXPECT_FALSE(IsValidCp932Char(0xA1, 0x40)); // half-width katakana is no lead byte
}

TEST(Cp932Tables, EveryValidSingleByteRoundTrips) {
    for (unsigned b = 0; b <= 0xFF; ++b) {
        if (b >= 0x80 && !(b >= 0xA1 && b <= 0xDF)) {
            continue;
        }
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp932ToUtf8(byte, "");
        EXPECT_FALSE(utf8.empty()) << "byte " << b;
        EXPECT_EQ(byte, Utf8ToCp932(utf8).bytes) << "byte " << b;
    }
}

// Round trip of every double-byte character. CP932 holds some characters
// twice (NEC row 13 against JIS X 0208, the NEC-selected IBM extensions
// against the IBM extensions); those are found here as codes that share
// their Unicode character with another code, and all codes of one character
// must convert back to the same one of them.
TEST(Cp932Tables, EveryDoubleByteCharRoundTripsExceptDuplicatesThatShareOneForm) {
    const std::vector<std::uint16_t> codes = AllCp932DoubleByteChars();
    ASSERT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    // JIS X 0208, NEC row 13 and both extension sets, plus the user-defined area.
    EXPECT_EQ(7724u + 1880u, codes.size());

    std::map<std::string, std::vector<std::uint16_t>> codesByCharacter;
    for (const std::uint16_t code : codes) {
        const std::string utf8 = Cp932ToUtf8(Bytes(code), "");
        ASSERT_FALSE(utf8.empty()) << std::hex << code;
        codesByCharacter[utf8].push_back(code);
    }

    std::size_t sharedCharacters = 0;
    std::size_t codesNotRoundTripping = 0;
    for (const auto& [utf8, group] : codesByCharacter) {
        const FromUnicodeResult back = Utf8ToCp932(utf8);
        EXPECT_EQ(0, back.replaced) << std::hex << group.front();
        if (group.size() == 1) {
            EXPECT_EQ(Bytes(group.front()), back.bytes) << std::hex << group.front();
            continue;
        }
        ++sharedCharacters;
        codesNotRoundTripping += group.size() - 1;
        const bool backIsOneOfThem =
            std::any_of(group.begin(), group.end(),
                        [&back](std::uint16_t code) { return Bytes(code) == back.bytes; });
        EXPECT_TRUE(backIsOneOfThem) << std::hex << group.front();
    }
    // The duplicates are found above, not listed; their number is CP932's own.
    EXPECT_EQ(396u, sharedCharacters);
    EXPECT_EQ(398u, codesNotRoundTripping);
}

TEST(Cp932Codec, ConvertsLongTextsBothWays) {
    std::string cp932;
    for (int i = 0; i < 200000; ++i) {
        cp932 += "\x8A\xBF\x8E\x9A"
                 "abc\xB1\r\n"; // 漢字abcｱ
    }
    const std::string utf8 = Cp932ToUtf8(cp932);
    EXPECT_EQ(200000u * (6 + 3 + 3 + 2), utf8.size());
    EXPECT_EQ(cp932, Utf8ToCp932(utf8).bytes);
}

} // namespace
} // namespace mojiro
