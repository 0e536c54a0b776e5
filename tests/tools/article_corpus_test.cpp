#include "ArticleCorpus.h"
#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro {
namespace {

const std::string& Megabyte() {
    static const std::string corpus = MakeArticleCorpus(1 << 20);
    return corpus;
}

// Position of the first CR without its LF or LF without its CR, or npos.
std::size_t FirstBareLineBreak(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool bareCr = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
        const bool bareLf = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        if (bareCr || bareLf) {
            return i;
        }
    }
    return std::string::npos;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::size_t HalfWidthKatakanaCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        const auto b = static_cast<unsigned char>(text[i]);
        count += b >= 0xA1 && b <= 0xDF;
    }
    return count;
}

TEST(ArticleCorpus, HasExactlyTheRequestedSize) {
    for (const std::size_t size : {0u, 1u, 2u, 3u, 1000u, 65537u, 3000001u}) {
        EXPECT_EQ(size, MakeArticleCorpus(size).size());
    }
}

TEST(ArticleCorpus, IsTheSameForTheSameSeedAndDiffersBetweenSeeds) {
    EXPECT_EQ(MakeArticleCorpus(100000, 7), MakeArticleCorpus(100000, 7));
    EXPECT_NE(MakeArticleCorpus(100000, 7), MakeArticleCorpus(100000, 8));
    EXPECT_EQ(MakeArticleCorpus(5000), MakeArticleCorpus(5000, 1));
}

// Every cut of the last line, for sizes small enough to end anywhere in it:
// no character split, no bare CR, and a CR LF at the end when there is room.
TEST(ArticleCorpus, EndsOnACharacterBoundaryWithCrLfWhateverTheSize) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        for (std::size_t size = 0; size <= 700; ++size) {
            const std::string corpus = MakeArticleCorpus(size, seed);
            ASSERT_EQ(size, corpus.size());
            const FromUnicodeResult back = Utf8ToCp932(Cp932ToUtf8(corpus, "\xEF\xBF\xBD"));
            ASSERT_EQ(corpus, back.bytes) << "size " << size << " seed " << seed;
            ASSERT_EQ(std::string::npos, FirstBareLineBreak(corpus))
                << "size " << size << " seed " << seed;
            if (size >= 2) {
                ASSERT_EQ("\r\n", corpus.substr(size - 2)) << "size " << size << " seed " << seed;
            }
        }
    }
}

TEST(ArticleCorpus, IsValidCp932Throughout) {
    const std::string utf8 = Cp932ToUtf8(Megabyte(), "\xEF\xBF\xBD");
    EXPECT_EQ(std::string::npos, utf8.find("\xEF\xBF\xBD"));
    const FromUnicodeResult back = Utf8ToCp932(utf8);
    EXPECT_EQ(0, back.replaced);
    ASSERT_EQ(Megabyte().size(), back.bytes.size());
    const auto firstDifference =
        std::mismatch(back.bytes.begin(), back.bytes.end(), Megabyte().begin()).first;
    EXPECT_EQ(back.bytes.size(), static_cast<std::size_t>(firstDifference - back.bytes.begin()));
}

TEST(ArticleCorpus, EndsEveryLineWithCrLf) {
    EXPECT_EQ(std::string::npos, FirstBareLineBreak(Megabyte()));
    EXPECT_EQ("\r\n", Megabyte().substr(Megabyte().size() - 2));
}

TEST(ArticleCorpus, ContainsThePunctuationWordsAndDigitsOfNewspaperCopy) {
    const std::string utf8 = Cp932ToUtf8(Megabyte());
    for (const char* ingredient :
         {"、", "。", "「", "」", "（", "）", "　", "\t", "NHK", "iPhone", "G7", "2026"}) {
        EXPECT_NE(std::string::npos, utf8.find(ingredient)) << ingredient;
    }
    EXPECT_LT(0u, HalfWidthKatakanaCount(Megabyte()));
}

TEST(ArticleCorpus, MixesEmptyShortAndSeveralKilobyteLines) {
    const std::vector<std::string> lines = Lines(Megabyte());
    const auto count = [&lines](auto predicate) {
        return std::count_if(lines.begin(), lines.end(), predicate);
    };
    EXPECT_LT(0, count([](const std::string& line) { return line.empty(); }));
    EXPECT_LT(0, count([](const std::string& line) { return !line.empty() && line.size() < 20; }));
    EXPECT_LT(
        0, count([](const std::string& line) { return line.size() >= 100 && line.size() <= 600; }));
    EXPECT_LT(0, count([](const std::string& line) { return line.size() > 3000; }));
}

} // namespace
} // namespace mojiro
