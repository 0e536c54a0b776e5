#include "editor/EditorTypes.h"
#include "editor/EditorViewInfo.h"
#include "editor/ReserveWordList.h"
#include "editor/TokenColor.h"

#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

class TokenColorTest : public ::testing::Test {
protected:
    TokenColorTest() {
        view.Brackets().Add();
        view.Brackets().Add();
        reserved.Add("begin");
        reserved.Add("\x81\x9a"); // ★
    }

    // Names the colour object `color` points at, so failures read as names.
    std::string NameOf(const TEditorColor* color) const {
        static const char* const names[] = {"Ank",     "Comment", "DBCS", "Int",    "Mail",
                                            "Reserve", "Select",  "Str",  "Symbol", "Url"};
        if (color == nullptr) {
            return "none";
        }
        for (int i = 0; i < TEditorColors::kCount; ++i) {
            if (color == &view.Colors().ColorAt(i)) {
                return names[i];
            }
        }
        for (int i = 0; i < view.Brackets().Count(); ++i) {
            if (color == &view.Brackets().Items(i).ItemColor()) {
                return "Bracket" + std::to_string(i);
            }
        }
        return "unknown";
    }

    std::string Color(TokenKind kind, std::string_view text, int bracketIndex = -2) const {
        return NameOf(TokenColor(kind, text, bracketIndex, view, reserved));
    }

    TEditorViewInfo view;
    ReserveWordList reserved;
};

TEST_F(TokenColorTest, KindsWithoutReservedWords) {
    EXPECT_EQ(Color(TokenKind::tkSymbol, ";"), "Symbol");
    EXPECT_EQ(Color(TokenKind::tkString, "\"x\""), "Str");
    EXPECT_EQ(Color(TokenKind::tkInteger, "12"), "Int");
    EXPECT_EQ(Color(TokenKind::tkReal, "1.5"), "Int");
    EXPECT_EQ(Color(TokenKind::tkComment, "// x"), "Comment");
    EXPECT_EQ(Color(TokenKind::tkIdent, "end"), "Ank");
    EXPECT_EQ(Color(TokenKind::tkUrl, "www.a.jp"), "Url");
    EXPECT_EQ(Color(TokenKind::tkMail, "a@b.jp"), "Mail");
    for (TokenKind kind : {TokenKind::tkDbcsSymbol, TokenKind::tkWideDigits, TokenKind::tkWideLatin,
                           TokenKind::tkHiragana, TokenKind::tkKatakana, TokenKind::tkKanji,
                           TokenKind::tkKanaPunct, TokenKind::tkKana}) {
        EXPECT_EQ(Color(kind, "\x82\xa0"), "DBCS") << static_cast<int>(kind);
    }
}

TEST_F(TokenColorTest, ReservedWordsTakeReserveWhereTheKindAllows) {
    EXPECT_EQ(Color(TokenKind::tkIdent, "BEGIN"), "Reserve");
    EXPECT_EQ(Color(TokenKind::tkSymbol, "\x81\x9a"), "Reserve");
    EXPECT_EQ(Color(TokenKind::tkDbcsSymbol, "\x81\x9a"), "Reserve");
    EXPECT_EQ(Color(TokenKind::tkUrl, "begin"), "Reserve");
    EXPECT_EQ(Color(TokenKind::tkMail, "begin"), "Reserve");
    // Strings, numbers and comments keep their own colour.
    EXPECT_EQ(Color(TokenKind::tkString, "begin"), "Str");
    EXPECT_EQ(Color(TokenKind::tkComment, "begin"), "Comment");
}

TEST_F(TokenColorTest, BracketTakesItsPairsColour) {
    EXPECT_EQ(Color(TokenKind::tkBracket, "(x)", 1), "Bracket1");
    EXPECT_EQ(Color(TokenKind::tkBracket, "(x)", 0), "Bracket0");
    EXPECT_EQ(Color(TokenKind::tkBracket, "(x)", 2), "none");
    EXPECT_EQ(Color(TokenKind::tkBracket, "(x)", -2), "none");
}

TEST_F(TokenColorTest, TabAndEndHaveNoColour) {
    EXPECT_EQ(Color(TokenKind::tkTab, "\t"), "none");
    EXPECT_EQ(Color(TokenKind::tkEnd, ""), "none");
}

TEST(ReserveWordListTest, KeepsWordsSortedWithoutCaseDuplicates) {
    ReserveWordList list;
    list.Add("while");
    list.Add("Begin");
    list.Add("BEGIN");
    list.Add("end");
    list.Add("");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Text(), "Begin\r\nend\r\nwhile\r\n");
    EXPECT_TRUE(list.Contains("bEgIn"));
    EXPECT_FALSE(list.Contains("beg"));
    EXPECT_FALSE(list.Contains("begins"));
    EXPECT_THROW((void)list.Item(3), ListIndexError);
    EXPECT_THROW((void)list.Item(-1), ListIndexError);
}

TEST(ReserveWordListTest, NeverFoldsATrailByte) {
    ReserveWordList list;
    list.Add("\x83\x61"); // テ: its trail byte is "a"
    EXPECT_TRUE(list.Contains("\x83\x61"));
    EXPECT_FALSE(list.Contains("\x83\x41")); // ア: trail byte "A"
    list.Add("\x82\xa0x");                   // あx
    EXPECT_TRUE(list.Contains("\x82\xa0X"));
}

TEST(ReserveWordListTest, SetTextReplacesTheListLineByLine) {
    ReserveWordList list;
    list.Add("old");
    list.SetText("if\r\nthen\n\nelse\rif");
    EXPECT_EQ(list.Text(), "else\r\nif\r\nthen\r\n");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Contains("if"));
}

} // namespace
} // namespace mojiro
