// Right, centre and left alignment of lines in a headless view, at a line
// length of 12 full-width characters (24 bytes).
#include "../editor/FakeHost.h"
#include "app/LineAlignment.h"
#include "editor/CustomEditor.h"
#include "platform/Cp932Codec.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace mojiro {
namespace {

class Alignment : public ::testing::Test {
protected:
    Alignment() {
        editor.InitFontMetrics();
        editor.WrapOption().SetWrapByte(kWidth);
        editor.SetWordWrap(true);
    }

    void Load(std::string_view utf8) { editor.ListInfo().LoadFromBytes(Utf8ToCp932(utf8).bytes); }
    [[nodiscard]] std::string Text() const { return Cp932ToUtf8(editor.ListInfo().Text()); }
    void Select(std::ptrdiff_t start, std::ptrdiff_t length) {
        editor.SetSelStart(start);
        editor.SetSelLength(length);
    }
    void Align(int divisor) { AlignLines(editor, kWidth, divisor); }

    static constexpr int kWidth = 24;
    test::FakeHost host;
    TCustomEditor editor{host};
};

TEST_F(Alignment, CentreIndentsByAQuarterOfTheFreeRoomReplacingOldIndentation) {
    Load("見出し\r\n　　　　　　　　見出し\r\n");
    editor.SelectAll();
    Align(kAlignCentre);
    EXPECT_EQ("　　　　見出し\r\n　　　　見出し\r\n", Text());
}

TEST_F(Alignment, RightFillsTheLineKeepingTheIndentationThatIsThere) {
    Load("見出し\r\n　見出し\r\n");
    editor.SelectAll();
    Align(kAlignRight); // (24 - 6) div 2 = 9 full-width spaces
    EXPECT_EQ("　　　　　　　　　見出し\r\n　　　　　　　　　見出し\r\n", Text());
    EXPECT_EQ(24u, editor.Lines().Get(0).size());
}

TEST_F(Alignment, LeftRemovesTabsSpacesAndFullWidthSpacesInAnyMixture) {
    Load("\t  　　見出し\r\n　 \t　x y\r\n　 \r\n");
    editor.SelectAll();
    Align(kAlignLeft);
    EXPECT_EQ("見出し\r\nx y\r\n\r\n", Text());
}

TEST_F(Alignment, CentreOfThreeSelectedLinesAlignsEachOnItsOwn) {
    Load("a\r\n見出し\r\nabcd\r\nz\r\n");
    Select(1, 11); // from the end of "a" to inside "abcd"
    Align(kAlignCentre);
    EXPECT_EQ("　　　　　a\r\n　　　　見出し\r\n　　　　　abcd\r\nz\r\n", Text());
}

TEST_F(Alignment, SelectionEndingAtALineStartLeavesThatLineAloneAndStaysOnTheLines) {
    Load("a\r\n見出し\r\nz\r\n");
    Select(0, 11); // the first two lines with their line breaks
    Align(kAlignCentre);
    EXPECT_EQ("　　　　　a\r\n　　　　見出し\r\nz\r\n", Text());
    EXPECT_EQ("　　　　　a\r\n　　　　見出し\r\n", Cp932ToUtf8(editor.SelText()));
}

TEST_F(Alignment, ALineThatFoldsIsLeftAlone) {
    Load("x\r\n\tbbbbbbbbbbbbbbbbbbbbbbbbbbbbb\r\ny");
    editor.SelectAll();
    Align(kAlignCentre);
    EXPECT_EQ("　　　　　x\r\n\tbbbbbbbbbbbbbbbbbbbbbbbbbbbbb\r\n　　　　　y", Text());
}

TEST_F(Alignment, OneUndoTakesTheWholeAlignmentBack) {
    Load("a\r\n見出し\r\nabcd");
    editor.SelectAll();
    Align(kAlignCentre);
    EXPECT_EQ("　　　　　a\r\n　　　　見出し\r\n　　　　　abcd", Text());
    EXPECT_TRUE(editor.Modified());
    editor.Undo();
    EXPECT_EQ("a\r\n見出し\r\nabcd", Text());
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(Alignment, CaretStaysOnItsCharacter) {
    Load("\t見出し\r\n");
    editor.SetSelStart(3); // after 見
    Align(kAlignLeft);
    EXPECT_EQ(2, editor.SelStart());
    Align(kAlignCentre);
    EXPECT_EQ(10, editor.SelStart());
    EXPECT_EQ(0, editor.Row());
}

TEST_F(Alignment, LinesThatCannotBeAlignedGiveNoEdit) {
    Load("abcdefghijklmnopqrstuvw\r\n"); // 23 bytes: (24 - 23) div 2 = 0
    Align(kAlignRight);
    editor.SetSelStart(editor.TextLength()); // the empty row after the line break
    Align(kAlignCentre);
    editor.SetSelStart(0);
    editor.SetReadOnly(true);
    Align(kAlignCentre);
    EXPECT_EQ("abcdefghijklmnopqrstuvw\r\n", Text());
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.Modified());
}

} // namespace
} // namespace mojiro
