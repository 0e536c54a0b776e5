// The edit-control messages: selection, rows, text and clipboard as other
// windows reach them, with pointers passed as message arguments.
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

using namespace messages;

class Messages : public ::testing::Test {
protected:
    Messages() { editor.InitFontMetrics(); }

    void Load(std::string_view text) { editor.ListInfo().LoadFromBytes(text); }
    [[nodiscard]] std::string Text() const { return editor.ListInfo().Text(); }
    std::int64_t Send(unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0) {
        return editor.Perform(message, static_cast<std::uintptr_t>(wParam), lParam);
    }
    template <typename T> static std::intptr_t Ptr(T* p) {
        return reinterpret_cast<std::intptr_t>(p);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
};

TEST_F(Messages, GetSelAfterSelectAllGivesZeroAndTheTextLength) {
    Load("ab\r\ncd");
    editor.SelectAll();
    std::uint32_t start = 99;
    std::uint32_t end = 99;
    EXPECT_EQ(Send(EM_GETSEL, Ptr(&start), Ptr(&end)), MakeLong(0, 6));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(Send(EM_GETSEL), MakeLong(0, 6)); // the pointers are optional
}

TEST_F(Messages, SetSelSelectsBetweenTheIndexesInEitherOrder) {
    Load("ab\r\ncd");
    Send(EM_SETSEL, 4, 1);
    EXPECT_EQ(editor.SelText(), "b\r\n");
    Send(EM_SETSEL, -1, 0);
    EXPECT_FALSE(editor.Selected());
    Send(EM_SETSEL, 0, -1);
    EXPECT_EQ(editor.SelLength(), 6);
}

TEST_F(Messages, LineIndexAndLineFromCharConvertBetweenRowsAndIndexes) {
    Load("ab\r\ncdef\r\ng");
    EXPECT_EQ(Send(EM_LINEINDEX, 1), 4);
    EXPECT_EQ(Send(EM_LINEINDEX, 2), 10);
    EXPECT_EQ(Send(EM_LINEINDEX, 3), -1);
    editor.SetRow(1);
    EXPECT_EQ(Send(EM_LINEINDEX, -1), 4);

    EXPECT_EQ(Send(EM_LINEFROMCHAR, 3), 0); // the LF of the first line
    EXPECT_EQ(Send(EM_LINEFROMCHAR, 4), 1);
    EXPECT_EQ(Send(EM_LINEFROMCHAR, 11), 2);
    EXPECT_EQ(Send(EM_LINEFROMCHAR, -1), 1);
    EXPECT_EQ(Send(EM_LINELENGTH, 5), 4);

    Load("ab\r\n"); // past a final line break: the row after it
    EXPECT_EQ(Send(EM_LINEFROMCHAR, 4), 1);
}

TEST_F(Messages, LineFromCharOnAWrappedRowsEndIsTheNextRow) {
    editor.WrapOption().SetWrapByte(20);
    editor.SetWordWrap(true);
    Load("abcdefghijklmnopqrstuvwxy\r\n");
    EXPECT_EQ(Send(EM_LINEFROMCHAR, 19), 0);
    EXPECT_EQ(Send(EM_LINEFROMCHAR, 20), 1);
    EXPECT_EQ(Send(EM_LINEINDEX, 1), 20);
}

TEST_F(Messages, GetLineCopiesAtMostTheBufferSizeWithoutATerminator) {
    Load("ab\r\ncdef\r\n");
    char buffer[8] = {};
    const std::uint16_t size = 3;
    std::memcpy(buffer, &size, sizeof size);
    std::memset(buffer + 3, '#', 5);
    EXPECT_EQ(Send(EM_GETLINE, 1, Ptr(buffer)), 3);
    EXPECT_EQ(std::string(buffer, 4), "cde#");
    EXPECT_EQ(Send(EM_GETLINE, 2, Ptr(buffer)), 0);
    EXPECT_EQ(Send(EM_GETLINE, 0, 0), 0);
}

TEST_F(Messages, GetTextCopiesWhatFitsWithATerminator) {
    Load("ab\r\ncd");
    char buffer[5];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(Send(WM_GETTEXT, sizeof buffer, Ptr(buffer)), 4);
    EXPECT_EQ(std::string(buffer), "ab\r\n");
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 6);
}

TEST_F(Messages, SetTextAndReplaceSelChangeTheTextUnlessReadOnly) {
    const char text[] = "one\r\ntwo";
    EXPECT_EQ(Send(WM_SETTEXT, 0, Ptr(text)), 1);
    EXPECT_EQ(Text(), "one\r\ntwo\r\n"); // as Lines takes text: every line ends
    Send(EM_SETSEL, 0, 3);
    const char replacement[] = "1";
    Send(EM_REPLACESEL, 0, Ptr(replacement));
    EXPECT_EQ(Text(), "1\r\ntwo\r\n");

    Send(EM_SETREADONLY, 1);
    EXPECT_TRUE(editor.ReadOnly());
    Send(EM_REPLACESEL, 0, Ptr(replacement));
    EXPECT_EQ(Send(WM_SETTEXT, 0, Ptr(text)), 0);
    EXPECT_EQ(Text(), "1\r\ntwo\r\n");
}

TEST_F(Messages, CopyWithNothingSelectedEmptiesTheClipboard) {
    Load("abc\r\n");
    host.SetClipboardText("old", true);
    Send(WM_COPY);
    EXPECT_EQ(host.clipboard, "");
    EXPECT_FALSE(host.clipboardBox);

    Send(EM_SETSEL, 1, 3);
    Send(WM_COPY);
    EXPECT_EQ(host.clipboard, "bc");
}

TEST_F(Messages, CutWhileReadOnlyEmptiesTheClipboardAndKeepsTheText) {
    Load("abc\r\n");
    Send(EM_SETSEL, 1, 3);
    editor.SetReadOnly(true);
    host.SetClipboardText("old", false);
    Send(WM_CUT);
    EXPECT_EQ(host.clipboard, "");
    EXPECT_EQ(Text(), "abc\r\n");

    editor.SetReadOnly(false);
    Send(WM_CUT);
    EXPECT_EQ(host.clipboard, "bc");
    EXPECT_EQ(Text(), "a\r\n");
}

TEST_F(Messages, UndoIsOfferedOnlyWhenThereIsAStepAndNotReadOnly) {
    Load("abc\r\n");
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    editor.KeyChar('x');
    EXPECT_EQ(Send(EM_CANUNDO), 1);
    editor.SetReadOnly(true);
    EXPECT_EQ(Send(EM_CANUNDO), 0);
    EXPECT_EQ(Send(EM_UNDO), 0);
    editor.SetReadOnly(false);
    EXPECT_EQ(Send(EM_UNDO), 1);
    EXPECT_EQ(Text(), "abc\r\n");
    EXPECT_EQ(Send(EM_UNDO), 0);
}

TEST_F(Messages, PosFromCharAndCharFromPosMeetAtTheSameCharacter) {
    Load("ab\r\nc\x82\xA0"
         "d\r\n"); // ab / cあd
    const int left = editor.Margin().Left();
    const int top = editor.Margin().Top();
    const int w = editor.CharWidth();
    const int h = editor.RowHeight();
    EXPECT_EQ(Send(EM_POSFROMCHAR, 7), MakeLong(left + 3 * w, top + h)); // d after あ
    EXPECT_EQ(Send(EM_POSFROMCHAR, 6), MakeLong(left + w, top + h));     // the trail byte of あ

    // The right half of あ's cells, rounded to the nearest gap, names d.
    EXPECT_EQ(Send(EM_CHARFROMPOS, 0, MakeLong(left + 2 * w + w - 2, top + h + 2)), MakeLong(7, 1));
    EXPECT_EQ(Send(EM_CHARFROMPOS, 0, MakeLong(left + 1, top + 1)), MakeLong(0, 0));
    EXPECT_EQ(Send(EM_CHARFROMPOS, 0, MakeLong(host.width + 5, 10)), -1);
}

} // namespace
} // namespace mojiro
