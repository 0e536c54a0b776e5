// Folding one logical line under the line-breaking rules, at a width of 80.
#include "editor/LineFolder.h"
#include "editor/WrapOption.h"

#include <gtest/gtest.h>

namespace mojiro {
namespace {

const std::string kKanji = "\x8a\xbf";   // 漢
const std::string kMaru = "\x81\x42";    // 。
const std::string kKagi = "\x81\x75";    // 「
const std::string kKagiEnd = "\x81\x76"; // 」

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// The rows of a folded line as texts, with "|" after a line-end row.
std::vector<std::string> Fold(const TEditorWrapOption& options, const std::string& line) {
    LineFolder folder(options, 8, DefaultDelimiters());
    std::vector<FoldedRow> rows;
    folder.Fold(line, rows);
    std::vector<std::string> out;
    for (const FoldedRow& row : rows)
        out.push_back(line.substr(row.from, row.to - row.from) +
                      (row.kind == RowEndKind::LineEnd ? "|" : ""));
    EXPECT_EQ(folder.CountRows(line), static_cast<int>(rows.size()));
    return out;
}

using Rows = std::vector<std::string>;

TEST(LineFolder, LineNarrowerThanTheWidthIsOneRow) {
    TEditorWrapOption o;
    EXPECT_EQ(Fold(o, std::string(79, 'a')), Rows{std::string(79, 'a') + "|"});
}

TEST(LineFolder, LineFillingTheWidthTakesAnEmptyRowForItsBreak) {
    TEditorWrapOption o;
    EXPECT_EQ(Fold(o, std::string(80, 'a')), (Rows{std::string(80, 'a'), "|"}));
    o.SetFollowRetMark(true);
    EXPECT_EQ(Fold(o, std::string(80, 'a')), Rows{std::string(80, 'a') + "|"});
}

TEST(LineFolder, DoubleByteCharacterAtTheEdgeMovesToTheNextRow) {
    TEditorWrapOption o;
    const std::string line = std::string(79, 'a') + kKanji;
    EXPECT_EQ(Fold(o, line), (Rows{std::string(79, 'a'), kKanji + "|"}));
}

TEST(LineFolder, PunctuationHangsPastTheEdgeUpToTwoFullWidthMarks) {
    TEditorWrapOption o;
    o.SetFollowPunctuation(true);
    const std::string line = std::string(80, 'a') + Repeat(kMaru, 3);
    EXPECT_EQ(Fold(o, line), (Rows{std::string(80, 'a') + Repeat(kMaru, 2), kMaru + "|"}));
}

TEST(LineFolder, HangingPunctuationOnTheLastRowKeepsTheBreakWithFollowRetMark) {
    TEditorWrapOption o;
    o.SetFollowPunctuation(true);
    o.SetFollowRetMark(true);
    const std::string line = std::string(80, 'a') + kMaru;
    EXPECT_EQ(Fold(o, line), Rows{line + "|"});
}

TEST(LineFolder, OpeningBracketDoesNotEndARow) {
    TEditorWrapOption o;
    o.SetLeading(true);
    const std::string line = std::string(78, 'a') + kKagi + "bc";
    EXPECT_EQ(Fold(o, line), (Rows{std::string(78, 'a'), kKagi + "bc|"}));
}

TEST(LineFolder, ClosingCharacterPullsThePreviousCharacterDown) {
    TEditorWrapOption o;
    o.SetLeading(true);
    const std::string line = std::string(79, 'a') + "b" + kKagiEnd;
    EXPECT_EQ(Fold(o, line), (Rows{std::string(79, 'a'), "b" + kKagiEnd + "|"}));
}

TEST(LineFolder, PushingOutStopsAtFourFifthsOfTheWidth) {
    TEditorWrapOption o;
    o.SetLeading(true);
    // A long run of closing characters stays at the start of the next row
    // once the row is down to (80 div 5) * 4 - 1 = 63 columns.
    const std::string line = std::string(20, 'a') + Repeat(kKagiEnd, 40);
    const Rows rows = Fold(o, line);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].size(), 64u);
}

TEST(LineFolder, WordBreakMovesAWordCrossingTheEdgeWhole) {
    TEditorWrapOption o;
    o.SetWordBreak(true);
    const std::string line = std::string(74, '-') + "abcdefgh";
    EXPECT_EQ(Fold(o, line), (Rows{std::string(74, '-'), "abcdefgh|"}));
}

TEST(LineFolder, WordBreakCutsAVeryLongWordAtAThirdOfTheWidth) {
    TEditorWrapOption o;
    o.SetWordBreak(true);
    const Rows rows = Fold(o, std::string(100, 'a'));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], std::string(27, 'a'));
}

TEST(LineFolder, HangingComesBeforePushingOut) {
    TEditorWrapOption o;
    o.SetFollowPunctuation(true);
    o.SetLeading(true);
    const std::string comma = "\x81\x41"; // 、 is in both the hanging and the closing sets
    const std::string line = std::string(80, 'a') + comma + "b";
    EXPECT_EQ(Fold(o, line), (Rows{std::string(80, 'a') + comma, "b|"}));
}

TEST(LineFolder, TabIsCutAtTheFoldingEdge) {
    TEditorWrapOption o;
    o.SetWrapByte(20);
    // The tab at column 18 covers only columns 18 and 19 while folding.
    const std::string line = std::string(18, 'a') + "\t" + "bcd";
    EXPECT_EQ(Fold(o, line), (Rows{std::string(18, 'a') + "\t", "bcd|"}));
}

TEST(LineFolder, LoneLeadByteAtTheEndIsOneWholeCharacter) {
    TEditorWrapOption o;
    o.SetWrapByte(20);
    const std::string line = std::string(19, 'a') + "\x8a";
    EXPECT_EQ(Fold(o, line), (Rows{std::string(19, 'a'), "\x8a|"}));
}

TEST(KinsokuSet, AnswersAsContainsChar) {
    const std::string set = "!\x81\x41\x81\x42"
                            "a\x82"; // ! 、 。 a and a lone lead byte
    const KinsokuSet compiled(set);
    for (const std::string ch : {"!", "a", "b", "\x81\x41", "\x81\x43", "\x81", "\x82", "\x82\xa0"})
        EXPECT_EQ(compiled.Contains(ch), ContainsChar(ch, set)) << ch;
}

} // namespace
} // namespace mojiro
