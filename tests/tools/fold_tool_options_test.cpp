#include "FoldToolOptions.h"
#include "editor/WrapOption.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace mojiro {

// So that a failed comparison shows the values rather than raw bytes.
void PrintTo(const FoldWrapValues& v, std::ostream* os) {
    *os << "{wrapByte " << v.wrapByte << ", leading " << v.leading << ", punctuation "
        << v.followPunctuation << ", wordBreak " << v.wordBreak << ", followRetMark "
        << v.followRetMark << ", followStr " << ::testing::PrintToString(v.followStr)
        << ", leadStr " << ::testing::PrintToString(v.leadStr) << ", punctuationStr "
        << ::testing::PrintToString(v.punctuationStr) << "}";
}

namespace {

// The options of a command line that must be accepted.
FoldToolOptions Parse(const std::vector<std::string>& args) {
    FoldToolParseResult result = ParseFoldToolOptions(args);
    EXPECT_TRUE(result.options.has_value()) << result.error;
    return result.options.value_or(FoldToolOptions{});
}

int WrapByteOf(const std::vector<std::string>& args) {
    return Parse(args).wrap.wrapByte;
}

FoldWrapValues WindowDefaults() {
    TEditorWrapOption w;
    ApplyWindowDefaults(w);
    return WrapValuesOf(w);
}

TEST(FoldToolOptions, WithoutWindowDefaultsTheEditorsConstructionDefaultsApply) {
    const FoldToolOptions options = Parse({"article.txt"});
    EXPECT_EQ("article.txt", options.file);
    EXPECT_EQ(WrapValuesOf(TEditorWrapOption()), options.wrap);
    EXPECT_EQ(8, options.tabWidth);
    EXPECT_EQ(FoldOutput::Rows, options.output);
}

TEST(FoldToolOptions, WindowDefaultsOverrideEarlierOptionsAndLaterOptionsOverrideThem) {
    const FoldWrapValues defaults = WindowDefaults();
    EXPECT_EQ(defaults,
              Parse({"--line-length", "20", "--leading=off", "--window-defaults", "a"}).wrap);

    const FoldToolOptions later =
        Parse({"--window-defaults", "--line-length=20", "--punctuation", "on", "a"});
    EXPECT_EQ(40, later.wrap.wrapByte);
    EXPECT_TRUE(later.wrap.followPunctuation);
    EXPECT_TRUE(later.wrap.leading);
    EXPECT_EQ(defaults.followStr, later.wrap.followStr);
}

TEST(FoldToolOptions, WrapWidthIsClampedAndALineLengthCountsTwoColumnsACharacter) {
    EXPECT_EQ(60, WrapByteOf({"--wrap-byte", "60", "a"}));
    EXPECT_EQ(20, WrapByteOf({"--wrap-byte=10", "a"}));
    EXPECT_EQ(250, WrapByteOf({"--wrap-byte=1000", "a"}));
    EXPECT_EQ(250, WrapByteOf({"--wrap-byte", "99999999999999999999999", "a"}));
    EXPECT_EQ(60, WrapByteOf({"--line-length", "30", "a"}));
    EXPECT_EQ(250, WrapByteOf({"--line-length", "2000000000", "a"}));
    // The last width given counts, whichever way it was given.
    EXPECT_EQ(100, WrapByteOf({"--line-length=20", "--wrap-byte=100", "a"}));
}

TEST(FoldToolOptions, TabWidthIsClampedToAnEvenWidthFromTwoToEight) {
    EXPECT_EQ(4, Parse({"--tab", "4", "a"}).tabWidth);
    EXPECT_EQ(6, Parse({"--tab=7", "a"}).tabWidth);
    EXPECT_EQ(2, Parse({"--tab=1", "a"}).tabWidth);
    // The tab width is no wrapping option: the window defaults leave it.
    EXPECT_EQ(4, Parse({"--tab=4", "--window-defaults", "a"}).tabWidth);
}

TEST(FoldToolOptions, SwitchesTakeOnOrOff) {
    const FoldWrapValues on = Parse({"--leading", "on", "--punctuation=on", "--word-break", "on",
                                     "--follow-ret-mark=on", "a"})
                                  .wrap;
    EXPECT_TRUE(on.leading);
    EXPECT_TRUE(on.followPunctuation);
    EXPECT_TRUE(on.wordBreak);
    EXPECT_TRUE(on.followRetMark);
    const FoldWrapValues off = Parse({"--window-defaults", "--leading", "off", "--word-break=off",
                                      "--follow-ret-mark", "off", "a"})
                                   .wrap;
    EXPECT_FALSE(off.leading);
    EXPECT_FALSE(off.wordBreak);
    EXPECT_FALSE(off.followRetMark);
}

TEST(FoldToolOptions, CharacterSetsAreGivenInUtf8AndKeptInCp932) {
    const FoldWrapValues wrap = Parse({"--follow-str", "\xE3\x80\x81\xE3\x80\x8D!", // 、」!
                                       "--lead-str=\xE3\x80\x8C",                   // 「
                                       "--punctuation-str", "", "a"})
                                    .wrap;
    EXPECT_EQ("\x81\x41\x81\x76!", wrap.followStr); // 、」!
    EXPECT_EQ("\x81\x75", wrap.leadStr);            // 「
    EXPECT_EQ("", wrap.punctuationStr);
}

TEST(FoldToolOptions, OutputFormatIsTheLastOneGiven) {
    EXPECT_EQ(FoldOutput::Kinds, Parse({"--format=kinds", "a"}).output);
    EXPECT_EQ(FoldOutput::Rows, Parse({"--format", "kinds", "--format", "rows", "a"}).output);
    EXPECT_EQ(FoldOutput::Count, Parse({"--format=kinds", "--count", "a"}).output);
    EXPECT_EQ(FoldOutput::Kinds, Parse({"--count", "--format=kinds", "a"}).output);
}

TEST(FoldToolOptions, DoubleDashEndsTheOptions) {
    EXPECT_EQ("--count", Parse({"--", "--count"}).file);
    EXPECT_EQ(FoldOutput::Rows, Parse({"--", "--count"}).output);
}

TEST(FoldToolOptions, HelpNeedsNoFile) {
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"--tab=4", "-h", "--no-such-option"}).help);
}

TEST(FoldToolOptions, RefusesBadArgumentsWithAReason) {
    const std::vector<std::vector<std::string>> refused = {
        {},
        {"--count"},
        {"a", "b"},
        {"--frobnicate", "a"},
        {"a", "--wrap-byte"},
        {"--wrap-byte", "12a", "a"},
        {"--line-length", "0x20", "a"},
        {"--tab", " 4", "a"},
        {"--leading", "yes", "a"},
        {"--format=xml", "a"},
        {"--count=1", "a"},
        {"--window-defaults=on", "a"},
        {"--follow-str", "\xF0\x9F\x98\x80", "a"}, // an emoji: not in CP932
        {"--lead-str=\xE3\x80", "a"},              // a cut UTF-8 sequence
    };
    for (const std::vector<std::string>& args : refused) {
        const FoldToolParseResult result = ParseFoldToolOptions(args);
        std::string line;
        for (const std::string& arg : args)
            line += "[" + arg + "]";
        EXPECT_FALSE(result.options.has_value()) << line;
        EXPECT_NE("", result.error) << line;
        EXPECT_EQ(std::string::npos, result.error.find('\n')) << line;
    }
}

} // namespace
} // namespace mojiro
