// Reading and writing whole texts, and the row-level operations of the row list.
#include "editor/FakeView.h"
#include "editor/ScreenStrings.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace mojiro {
namespace {

struct RowDump {
    std::vector<std::string> texts;
    std::vector<int> kinds;
};

RowDump Dump(const TEditorScreenStrings& rows) {
    RowDump d;
    for (int i = 0; i < rows.Count(); ++i) {
        d.texts.push_back(rows.Get(i));
        d.kinds.push_back(static_cast<int>(rows.GetRowEndKind(i)));
    }
    return d;
}

using Texts = std::vector<std::string>;
using Kinds = std::vector<int>;

TEST(LoadFromBytes, EmptyFileGivesNoRows) {
    TEditorScreenStrings rows;
    rows.LoadFromBytes("");
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.Text(), "");
}

TEST(LoadFromBytes, LastLineWithoutBreakIsOpenLastRow) {
    TEditorScreenStrings rows;
    rows.LoadFromBytes("abc");
    EXPECT_EQ(Dump(rows).texts, Texts{"abc"});
    EXPECT_EQ(Dump(rows).kinds, Kinds{2});
    EXPECT_EQ(rows.Text(), "abc");
}

TEST(LoadFromBytes, EveryLineBreakConventionSplitsLines) {
    TEditorScreenStrings rows;
    rows.LoadFromBytes("a\r\r\nb\nc\rd\n\re\r\n");
    EXPECT_EQ(Dump(rows).texts, (Texts{"a", "", "b", "c", "d", "", "e"}));
    EXPECT_EQ(rows.Text(), "a\r\n\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST(LoadFromBytes, CtrlZEndsTheText) {
    TEditorScreenStrings rows;
    rows.LoadFromBytes("abc\x1a"
                       "def\r\n");
    EXPECT_EQ(Dump(rows).texts, Texts{"abc"});
    EXPECT_EQ(Dump(rows).kinds, Kinds{2});
}

TEST(LoadFromBytes, NulBytesAreKept) {
    TEditorScreenStrings rows;
    const std::string text("a\0b\r\n\0\r\n", 8);
    rows.LoadFromBytes(text);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Get(0), std::string("a\0b", 3));
    EXPECT_EQ(rows.Text(), text);
}

TEST(SetText, LastLineBecomesLineEndRow) {
    TEditorScreenStrings rows;
    rows.SetText("abc");
    EXPECT_EQ(Dump(rows).kinds, Kinds{0});
    EXPECT_EQ(rows.Text(), "abc\r\n");
}

TEST(CharIndex, CountsTwoForEachLineBreak) {
    TEditorScreenStrings rows;
    rows.LoadFromBytes("ab\r\ncde\r\nf");
    EXPECT_EQ(rows.TextLength(), 10);
    EXPECT_EQ(rows.RowCharIndex(1), 4);
    EXPECT_EQ(rows.RowCharIndex(2), 9);
    EXPECT_EQ(rows.RowFromCharIndex(0), 0);
    EXPECT_EQ(rows.RowFromCharIndex(3), 0); // on the line break of row 0
    EXPECT_EQ(rows.RowFromCharIndex(4), 1);
    EXPECT_EQ(rows.RowFromCharIndex(9), 2);
    EXPECT_EQ(rows.RowFromCharIndex(100), 2);
}

} // namespace
} // namespace mojiro
