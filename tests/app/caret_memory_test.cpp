// Remembering a caret position and jumping back to it, in a headless view of
// 200 lines of 8 bytes (10 with the line break).
#include "../editor/FakeHost.h"
#include "app/CaretMemory.h"
#include "editor/CustomEditor.h"

#include <gtest/gtest.h>
#include <string>

namespace mojiro {
namespace {

class CaretMemory : public ::testing::Test {
protected:
    CaretMemory() {
        editor.InitFontMetrics();
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "abcdefgh\r\n";
        editor.ListInfo().LoadFromBytes(text);
    }

    test::FakeHost host;
    TCustomEditor editor{host};
    TCaretMemory memory;
};

TEST_F(CaretMemory, JumpOutOfViewDropsTheSelectionAndPutsTheRowAtTheTop) {
    editor.SetSelStart(120);
    memory.Remember(editor);
    editor.SetSelStart(1500);
    editor.SetSelLength(5);
    memory.Jump(editor);
    EXPECT_EQ(120, editor.SelStart());
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(12, editor.TopRow());

    // Below the view too, though placing the caret alone would show it at the bottom.
    editor.SetSelStart(1500);
    memory.Remember(editor);
    editor.SetSelStart(0);
    memory.Jump(editor);
    EXPECT_EQ(150, editor.TopRow());
}

TEST_F(CaretMemory, JumpInViewKeepsTheView) {
    editor.SetTopRow(5);
    editor.SetSelStart(120);
    memory.Remember(editor);
    editor.SetSelStart(60);
    memory.Jump(editor);
    EXPECT_EQ(120, editor.SelStart());
    EXPECT_EQ(5, editor.TopRow());
}

TEST_F(CaretMemory, JumpDoesNothingBeforeRememberAndAfterDisable) {
    editor.SetSelStart(50);
    memory.Jump(editor);
    EXPECT_EQ(50, editor.SelStart());
    memory.Remember(editor);
    EXPECT_TRUE(memory.CanJump());
    memory.Disable();
    EXPECT_FALSE(memory.CanJump());
    editor.SetSelStart(70);
    memory.Jump(editor);
    EXPECT_EQ(70, editor.SelStart());
}

TEST_F(CaretMemory, PlacePastTheEndOfAShortenedTextLandsAtItsEnd) {
    editor.SetSelStart(1500);
    memory.Remember(editor);
    editor.ListInfo().LoadFromBytes("abc\r\n");
    memory.Jump(editor);
    EXPECT_EQ(editor.TextLength(), editor.SelStart());
}

} // namespace
} // namespace mojiro
