// The stored forms of integers, colours, texts and binary values.
#include "settings/ColorText.h"
#include "settings/ValueText.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace mojiro {
namespace {

TEST(IntegerText, ReadsDecimalDollarHexAndZeroXHex) {
    EXPECT_EQ(std::optional(31), TextToInteger("31"));
    EXPECT_EQ(std::optional(-12), TextToInteger("-12"));
    EXPECT_EQ(std::optional(31), TextToInteger("$1F"));
    EXPECT_EQ(std::optional(31), TextToInteger("0x1F"));
    EXPECT_EQ(std::optional(31), TextToInteger("0X1f"));
    EXPECT_EQ(std::optional(-2147483647 - 1), TextToInteger("-2147483648"));
    // Hexadecimal fills all 32 bits, as system colours need.
    EXPECT_EQ(std::optional(-1), TextToInteger("$FFFFFFFF"));
    EXPECT_EQ(std::optional(static_cast<int>(0x80000002u)), TextToInteger("$80000002"));
}

TEST(IntegerText, OtherTextsDoNotConvert) {
    for (const char* text : {"", "abc", "1F", "0x", "$", "0x$1", "--1", "+-1", "-$-1", " 1", "1 ",
                             "2147483648", "$100000000", "1.5"}) {
        EXPECT_EQ(std::nullopt, TextToInteger(text)) << '"' << text << '"';
    }
}

TEST(ColorText, ReadsNamesInAnyCaseAndNumbers) {
    EXPECT_EQ(std::optional<TColor>(0x0000FF), TextToColor("clred"));
    EXPECT_EQ(std::optional<TColor>(0x80000018), TextToColor("CLINFOBK"));
    EXPECT_EQ(std::optional<TColor>(0x123456), TextToColor("$00123456"));
    EXPECT_EQ(std::optional<TColor>(0x123456), TextToColor("1193046"));
    EXPECT_EQ(std::optional<TColor>(0x80000005), TextToColor("0x80000005"));
    EXPECT_EQ(std::nullopt, TextToColor("bluish"));
    EXPECT_EQ(std::nullopt, TextToColor(""));
}

TEST(ColorText, EveryNameStandsForItsOwnColour) {
    ASSERT_EQ(41u, ColorNames().size());
    for (std::size_t i = 0; i < ColorNames().size(); ++i) {
        const ColorName& entry = ColorNames()[i];
        EXPECT_EQ(entry.name, ColorToText(entry.value));
        EXPECT_EQ(std::optional(entry.value), TextToColor(entry.name));
        if (i >= 16) {
            EXPECT_EQ(0x80000000u + (i - 16), entry.value) << entry.name;
        }
    }
    EXPECT_EQ(std::optional<TColor>(0xC0C0C0), TextToColor("clSilver"));
    EXPECT_EQ("$00abcdef", ColorToText(0xABCDEF));
    EXPECT_EQ("$80000019", ColorToText(0x80000019)); // past the last system colour
    EXPECT_EQ(std::optional<TColor>(0x808000), TextToColor("clTeal"));
}

TEST(TextForm, OrdinaryTextIsStoredAsReadableUtf8) {
    EXPECT_EQ("*.txt;", EncodeText("*.txt;"));
    EXPECT_EQ("\xE3\x80\x90\xE8\xA8\x98\xE8\x80\x85\xE3\x80\x91", // 【記者】 in UTF-8
              EncodeText("\x81\x79\x8B\x4C\x8E\xD2\x81\x7A"));    // 【記者】
    EXPECT_EQ("\xEF\xBD\xB1", EncodeText("\xB1"));                // ｱ
    EXPECT_EQ("ddd\"h\"", EncodeText("ddd\"h\""));
    EXPECT_EQ("", EncodeText(""));
}

TEST(TextForm, TextsThatWouldNotSurviveAPlainLineAreQuoted) {
    EXPECT_EQ("\" lead\"", EncodeText(" lead"));
    EXPECT_EQ("\"trail\\t\"", EncodeText("trail\t"));
    EXPECT_EQ("\"a\\r\\nb\"", EncodeText("a\r\nb"));
    EXPECT_EQ("\"\\\"q\\\" \\\\\"", EncodeText("\"q\" \\"));
    EXPECT_EQ("\"hex:00\"", EncodeText("hex:00"));
    EXPECT_EQ("\"a\\x00b\"", EncodeText(std::string("a\0b", 3)));
    EXPECT_EQ("\"\\x81\"", EncodeText("\x81"));                     // a lead byte alone
    EXPECT_EQ("\"\\x80\\xff\"", EncodeText("\x80\xFF"));            // no characters at all
    EXPECT_EQ("\"\\xed@\"", EncodeText("\xED\x40"));                // 纊 would come back as 0xFA5C
    EXPECT_EQ("\"\xE8\xA8\x98\\x81\"", EncodeText("\x8B\x4C\x81")); // 記 and a cut character
}

TEST(TextForm, EveryTextOfOneOrTwoBytesRoundTrips) {
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        ASSERT_EQ(std::optional(one), DecodeText(EncodeText(one))) << first;
        for (int second = 0; second < 256; ++second) {
            const std::string two = one + static_cast<char>(second);
            const std::string stored = EncodeText(two);
            ASSERT_EQ(std::optional(two), DecodeText(stored)) << first << ' ' << second;
            ASSERT_EQ(std::string::npos, stored.find_first_of("\r\n")) << stored;
        }
    }
}

TEST(TextForm, DamagedQuotedFormsAndInvalidUtf8ReadAsNothing) {
    for (const char* stored :
         {"\"abc", "\"", "\"a\\q\"", "\"\\x4\"", "\"\\x4g\"", "\"a\"b\"", "\"ab\\\"", "\xFF\xFE",
          "\xC0\xAF", "\xED\xA0\x80", "\xE8\xA8", "\"\xE8\xA8\""}) {
        EXPECT_EQ(std::nullopt, DecodeText(stored)) << stored;
    }
    EXPECT_EQ(std::nullopt, DecodeText("hex:00"));
}

TEST(TextForm, CharacterCp932CannotHoldReadsAsGeta) {
    EXPECT_EQ(std::optional<std::string>("a\x81\xAC"), DecodeText("a\xF0\x9F\x98\x80")); // a〓
}

TEST(BinaryForm, EveryByteRoundTripsAsLowerCaseHex) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::string stored = EncodeBinary(bytes);
    EXPECT_EQ("hex:000102", stored.substr(0, 10));
    EXPECT_EQ("fdfeff", stored.substr(stored.size() - 6));
    EXPECT_EQ(std::optional(bytes), DecodeBinary(stored));
    EXPECT_EQ(std::optional<std::string>(""), DecodeBinary("hex:"));
    EXPECT_EQ(std::optional<std::string>("JK"), DecodeBinary("hex:4A4b"));
}

TEST(BinaryForm, DamagedOrTextFormsReadAsNothing) {
    for (const char* stored : {"hex:0", "hex:zz", "hex:4a 4b", "4a4b", "\"hex:4a\"", ""}) {
        EXPECT_EQ(std::nullopt, DecodeBinary(stored)) << stored;
    }
}

} // namespace
} // namespace mojiro
