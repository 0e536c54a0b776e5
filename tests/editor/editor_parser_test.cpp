#include "editor/EditorParser.h"
#include "editor/EditorViewInfo.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

const char* KindName(TokenKind kind) {
    static const char* const names[] = {
        "End",   "Symbol",    "String",     "Integer",    "Real",      "Bracket",  "Comment",
        "Ident", "Tab",       "DbcsSymbol", "WideDigits", "WideLatin", "Hiragana", "Katakana",
        "Kanji", "KanaPunct", "Kana",       "Url",        "Mail"};
    return names[static_cast<int>(kind)];
}

// Bytes outside printable ASCII as \xNN, so failures show what was cut where.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

// All tokens of `text` as "Kind[bytes]" separated by spaces.
std::string Scan(std::string_view text, const TEditorViewInfo* view = nullptr, int state = -1) {
    TEditorParser parser(text, state, view);
    std::string out;
    for (std::size_t guard = 0; parser.Token() != TokenKind::tkEnd; parser.NextToken()) {
        if (++guard > text.size()) {
            return out + " <no progress>";
        }
        if (!out.empty()) {
            out += ' ';
        }
        out += KindName(parser.Token());
        out += '[' + Escaped(parser.TokenText()) + ']';
    }
    return out;
}

class ParserWithViewTest : public ::testing::Test {
protected:
    void AddPair(std::string left, std::string right) {
        auto& pair = view.Brackets().Add();
        pair.SetLeftBracket(std::move(left));
        pair.SetRightBracket(std::move(right));
    }

    TEditorViewInfo view;
};

TEST(EditorParserTest, HalfWidthKinds) {
    EXPECT_EQ(Scan("abc_1 _x\tz;"), "Ident[abc_1] Ident[_x] Tab[\\x09] Ident[z] Symbol[;]");
    EXPECT_EQ(Scan("\xb1\xb2\xdf\xa1\xa4"),
              "Kana[\\xB1\\xB2\\xDF] KanaPunct[\\xA1] KanaPunct[\\xA4]");
    EXPECT_EQ(Scan("\x80\xa0\xfd\xff"), "Symbol[\\x80] Symbol[\\xA0] Symbol[\\xFD] Symbol[\\xFF]");
}

TEST(EditorParserTest, BlanksAreControlBytesAndSpaceButNotTab) {
    EXPECT_EQ(Scan(" \x01\x08\r\n\x1f"
                   "a \t"),
              "Ident[a] Tab[\\x09]");
    EXPECT_EQ(Scan(""), "");
}

TEST(EditorParserTest, NulEndsTheTextAndTheEndRepeats) {
    const std::string text("a\0b", 3);
    TEditorParser parser(text, -1, nullptr);
    EXPECT_EQ(parser.NextToken(), TokenKind::tkEnd);
    EXPECT_EQ(parser.TokenOffset(), 1u);
    EXPECT_EQ(parser.NextToken(), TokenKind::tkEnd);
    EXPECT_EQ(parser.TokenText(), "");
}

TEST(EditorParserTest, TokenOffsetCountsFromTheStartOfTheText) {
    TEditorParser parser("  ab  12", -1, nullptr);
    EXPECT_EQ(parser.TokenOffset(), 2u);
    EXPECT_EQ(parser.TokenText(), "ab");
    EXPECT_EQ(parser.NextToken(), TokenKind::tkInteger);
    EXPECT_EQ(parser.TokenOffset(), 6u);
    EXPECT_EQ(parser.BracketIndex(), -2);
}

TEST(EditorParserTest, NumberRules) {
    EXPECT_EQ(Scan("12. "), "Real[12] Symbol[.]");
    EXPECT_EQ(Scan("3.14"), "Real[3.14]");
    EXPECT_EQ(Scan("1.5e+10"), "Real[1.5e+10]");
    EXPECT_EQ(Scan("2E10"), "Real[2E10]");
    EXPECT_EQ(Scan("2Ex"), "Real[2E] Ident[x]");
    EXPECT_EQ(Scan("1.e3"), "Real[1.e3]");
    EXPECT_EQ(Scan("7e-"), "Real[7e] Symbol[-]");
    EXPECT_EQ(Scan("7e-x"), "Real[7e] Symbol[-] Ident[x]");
    EXPECT_EQ(Scan("1.2.3"), "Real[1.2] Symbol[.] Integer[3]");
}

TEST(EditorParserTest, DoubleByteRuns) {
    // あー漢 (long vowel stays with the hiragana, kanji is its own token)
    EXPECT_EQ(Scan("\x82\xa0\x81\x5b\x8a\xbf"), "Hiragana[\\x82\\xA0\\x81[] Kanji[\\x8A\\xBF]");
    // 漢字あ
    EXPECT_EQ(Scan("\x8a\xbf\x8e\x9a\x82\xa0"), "Kanji[\\x8A\\xBF\\x8E\\x9A] Hiragana[\\x82\\xA0]");
    // カタ−ー: the dash 0x817C and the long vowel 0x815B run on with katakana
    EXPECT_EQ(Scan("\x83\x4a\x83\x5e\x81\x7c\x81\x5b"), "Katakana[\\x83J\\x83^\\x81|\\x81[]");
    // １２，３．４ then Ａｚ
    EXPECT_EQ(Scan("\x82\x50\x82\x51\x81\x43\x82\x52\x81\x44\x82\x53\x82\x60\x82\x9a"),
              "WideDigits[\\x82P\\x82Q\\x81C\\x82R\\x81D\\x82S] WideLatin[\\x82`\\x82\\x9A]");
    // αβ (Greek), ─┐ (lead 0x84), 、。 (each 0x81 character alone)
    EXPECT_EQ(Scan("\x83\xbf\x83\xc0\x84\x9f\x84\xa1\x81\x41\x81\x42"),
              "DbcsSymbol[\\x83\\xBF\\x83\\xC0] DbcsSymbol[\\x84\\x9F\\x84\\xA1] "
              "DbcsSymbol[\\x81A] DbcsSymbol[\\x81B]");
    // Kanji leads in the upper range run on too.
    EXPECT_EQ(Scan("\xe0\x40\xfc\x40"), "Kanji[\\xE0@\\xFC@]");
}

TEST(EditorParserTest, UnassignedCodePointsAreTakenWhole) {
    // 0x8240 and 0x8397 are not assigned; their trail bytes are not letters.
    EXPECT_EQ(Scan("\x82\x40\x83\x97"
                   "a"),
              "DbcsSymbol[\\x82@] DbcsSymbol[\\x83\\x97] Ident[a]");
    // A hiragana run stops before an unassigned 0x82 code point.
    EXPECT_EQ(Scan("\x82\xa0\x82\xf2"), "Hiragana[\\x82\\xA0] DbcsSymbol[\\x82\\xF2]");
}

TEST(EditorParserTest, LeadByteAtTheEndIsTakenAlone) {
    EXPECT_EQ(Scan("a\x88"), "Ident[a] Kanji[\\x88]");
    EXPECT_EQ(Scan("\x8a\xbf\x88"), "Kanji[\\x8A\\xBF\\x88]");
    EXPECT_EQ(Scan("\x81"), "DbcsSymbol[\\x81]");
    EXPECT_EQ(Scan("\x82"), "DbcsSymbol[\\x82]");
    EXPECT_EQ(Scan("\x82\xa0\x82"), "Hiragana[\\x82\\xA0] DbcsSymbol[\\x82]");
    EXPECT_EQ(Scan("\x84"), "DbcsSymbol[\\x84]");
    // Cut out of a longer buffer: the bytes after the view are never read.
    const std::string buffer = "\x82\xa0\x82\xa2";
    EXPECT_EQ(Scan(std::string_view(buffer).substr(0, 3)),
              "Hiragana[\\x82\\xA0] DbcsSymbol[\\x82]");
}

TEST(EditorParserTest, NoViewSkipsEveryViewRule) {
    EXPECT_EQ(Scan("a@b.jp http://x #1 $F"),
              "Ident[a] Symbol[@] Ident[b] Symbol[.] Ident[jp] Ident[http] Symbol[:] Symbol[/] "
              "Symbol[/] Ident[x] Symbol[#] Integer[1] Symbol[$] Ident[F]");
    TEditorParser parser("x", 0, nullptr);
    EXPECT_EQ(parser.Token(), TokenKind::tkIdent);
    EXPECT_EQ(parser.State(), 0);
}

TEST_F(ParserWithViewTest, MailAddressIsTheWholeRunWithItsFinalStop) {
    view.SetMail(true);
    EXPECT_EQ(Scan("taro.y-1@example.co.jp. x", &view), "Mail[taro.y-1@example.co.jp.] Ident[x]");
    EXPECT_EQ(Scan("a.b@c", &view), "Ident[a] Symbol[.] Ident[b] Symbol[@] Ident[c]");
    // A run may not start at the "@".
    EXPECT_EQ(Scan("@a.b", &view), "Symbol[@] Ident[a] Symbol[.] Ident[b]");
    view.SetMail(false);
    EXPECT_EQ(Scan("a@b.c", &view), "Ident[a] Symbol[@] Ident[b] Symbol[.] Ident[c]");
}

TEST_F(ParserWithViewTest, MailRunGivenUpIsScannedAsPlainTokens) {
    view.SetMail(true);
    // Every suffix of this run starts a mail check; none of them is an address.
    EXPECT_EQ(Scan("a,1,b@c x@y.z", &view),
              "Ident[a] Symbol[,] Integer[1] Symbol[,] Ident[b] Symbol[@] Ident[c] Mail[x@y.z]");
}

TEST_F(ParserWithViewTest, UrlNeedsAnExactLowerCasePrefix) {
    view.SetUrl(true);
    EXPECT_EQ(Scan("http://www.example.co.jp/a_b/c.html?q=1&r=%20#top x", &view),
              "Url[http://www.example.co.jp/a_b/c.html?q=1&r=%20#top] Ident[x]");
    EXPECT_EQ(Scan("https://a.jp ftp://b www.c.jp", &view),
              "Url[https://a.jp] Url[ftp://b] Url[www.c.jp]");
    EXPECT_EQ(Scan("HTTP://a", &view), "Ident[HTTP] Symbol[:] Symbol[/] Symbol[/] Ident[a]");
    EXPECT_EQ(Scan("httpx:", &view), "Ident[httpx] Symbol[:]");
}

TEST_F(ParserWithViewTest, PrefixCutByTheEndOfTheTextDoesNotMatch) {
    view.SetUrl(true);
    view.SetCommenter("//");
    view.SetHexPrefix("0x");
    AddPair("<<", ">>");
    const std::string buffer = "http://a //c 0x1 <<d>>";
    const std::string_view text(buffer);
    EXPECT_EQ(Scan(text.substr(0, 4), &view), "Ident[http]");
    EXPECT_EQ(Scan(text.substr(9, 1), &view), "Symbol[/]");
    EXPECT_EQ(Scan(text.substr(13, 1), &view), "Integer[0]");
    EXPECT_EQ(Scan(text.substr(17, 1), &view), "Symbol[<]");
    EXPECT_EQ(Scan(text.substr(17, 4), &view, -1), "Bracket[<<d>]");
}

TEST_F(ParserWithViewTest, CommentRunsToTheEndOfTheRowAndLeavesTheState) {
    view.SetCommenter("//");
    TEditorParser parser("a // b \x81\x75", -1, &view); // 「 inside the comment
    EXPECT_EQ(parser.NextToken(), TokenKind::tkComment);
    EXPECT_EQ(parser.TokenText(), "// b \x81\x75");
    EXPECT_EQ(parser.State(), -1);
}

TEST_F(ParserWithViewTest, QuotedStringWithDoubledQuote) {
    view.SetQuotation("\"");
    EXPECT_EQ(Scan("\"ab\"\"c\" d", &view), "String[\"ab\"\"c\"] Ident[d]");
    EXPECT_EQ(Scan("x\"open", &view), "Ident[x] String[\"open]");
    EXPECT_EQ(Scan("\"\"", &view), "String[\"\"]");
}

TEST_F(ParserWithViewTest, QuoteByteInsideADoubleByteCharacterDoesNotEndTheString) {
    view.SetQuotation("\\");
    // "\ソ\x": the trail byte of ソ (0x83 0x5C) is a backslash.
    EXPECT_EQ(Scan("\\\x83\x5c\\x", &view), "String[\\\\x83\\\\] Ident[x]");
}

TEST_F(ParserWithViewTest, HexPrefixAndControlCode) {
    view.SetHexPrefix("$");
    EXPECT_EQ(Scan("$1Fg", &view), "Integer[$1F] Ident[g]");
    view.SetHexPrefix("");
    view.SetControlCode(true);
    EXPECT_EQ(Scan("#13#$0D#$ #", &view), "String[#13] String[#$0D] String[#] Symbol[$] String[#]");
    view.SetControlCode(false);
    EXPECT_EQ(Scan("#13", &view), "Symbol[#] Integer[13]");
}

TEST_F(ParserWithViewTest, PairOpenedOnOneRowClosesOnALaterRow) {
    AddPair("\x81\x75", "\x81\x76"); // 「 」
    TEditorParser first("a\x81\x75"
                        "b",
                        -1, &view);
    EXPECT_EQ(first.NextToken(), TokenKind::tkBracket);
    EXPECT_EQ(first.TokenText(), "\x81\x75"
                                 "b");
    EXPECT_EQ(first.State(), 0);
    EXPECT_EQ(first.BracketIndex(), 0);

    EXPECT_EQ(Scan(" cd ef", &view, first.State()), "Bracket[cd ef]");
    TEditorParser middle(" cd", first.State(), &view);
    EXPECT_EQ(middle.State(), 0);

    TEditorParser last("e\x81\x76"
                       "f",
                       middle.State(), &view);
    EXPECT_EQ(last.Token(), TokenKind::tkBracket);
    EXPECT_EQ(last.TokenText(), "e\x81\x76");
    EXPECT_EQ(last.State(), -1);
    EXPECT_EQ(last.NextToken(), TokenKind::tkIdent);
}

TEST_F(ParserWithViewTest, FirstMatchingPairInCollectionOrderWins) {
    AddPair("(", ")");
    AddPair("[", "]");
    AddPair("[[", "]]");
    TEditorParser parser("[[x]] (y)", -1, &view);
    EXPECT_EQ(parser.TokenText(), "[[x]");
    EXPECT_EQ(parser.BracketIndex(), 1);
    EXPECT_EQ(parser.NextToken(), TokenKind::tkSymbol);
    EXPECT_EQ(parser.NextToken(), TokenKind::tkBracket);
    EXPECT_EQ(parser.TokenText(), "(y)");
    EXPECT_EQ(parser.BracketIndex(), 0);
}

TEST_F(ParserWithViewTest, ClosingTextIsOnlyFoundAtCharacterStarts) {
    AddPair("(", "\\");
    // The trail byte of ソ (0x83 0x5C) is no closing backslash.
    EXPECT_EQ(Scan("(\x83\x5c\\a", &view), "Bracket[(\\x83\\\\] Ident[a]");
}

TEST_F(ParserWithViewTest, UnknownStateOpensNoPair) {
    AddPair("(", ")");
    EXPECT_EQ(Scan("(a)", &view, -2), "Symbol[(] Ident[a] Symbol[)]");
}

TEST_F(ParserWithViewTest, StateNamingNoPairScansAsOutside) {
    AddPair("(", ")");
    TEditorParser parser("a(b", 5, &view);
    EXPECT_EQ(parser.Token(), TokenKind::tkIdent);
    EXPECT_EQ(parser.NextToken(), TokenKind::tkBracket);
    EXPECT_EQ(parser.State(), 0);
}

TEST_F(ParserWithViewTest, PairWithoutClosingTextClosesWithItsRow) {
    AddPair("*", "");
    TEditorParser parser("a*b c", -1, &view);
    EXPECT_EQ(parser.NextToken(), TokenKind::tkBracket);
    EXPECT_EQ(parser.TokenText(), "*b c");
    EXPECT_EQ(parser.State(), -1);
    EXPECT_EQ(Scan("x", &view, 0), "Bracket[x]");
}

} // namespace
} // namespace mojiro
