// The print job over a recording target: where each row lands, where pages
// break, what an empty row and a tab print as, the head line, and the widest
// row measurement.
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"
#include "print/PrintJob.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace mojiro {
namespace {

struct Drawn {
    int page = 0;
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& d, std::ostream* os) {
    *os << "{page " << d.page << ", " << d.x << ", " << d.y << ", \"" << d.text << "\"}";
}

// Every text is 10 pixels per byte wide.
class RecordingTarget : public PrintTarget {
public:
    void DrawText(int x, int y, std::string_view text) override {
        drawn.push_back({page, x, y, std::string(text)});
    }
    int TextWidth(std::string_view text) override { return 10 * static_cast<int>(text.size()); }
    void NewPage() override { ++page; }

    int page = 1;
    std::vector<Drawn> drawn;
};

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest() {
        editor.InitFontMetrics();
        layout.PageWidth = 1000;
        layout.LineHeight = 30;
        layout.SpacingFactor = 1.5f; // pitch 45
        layout.RowsPerPage = 2;
        layout.PageCount = 2;
        layout.LeftOffset = 50;
        layout.TopOffset = 100;
    }

    std::vector<Drawn> Print(std::string_view text, const PrintOptions& options = {}) {
        editor.ListInfo().LoadFromBytes(text);
        RecordingTarget target;
        PrintDocument(editor, layout, options, target);
        pages = target.page;
        return target.drawn;
    }

    test::FakeHost host;
    TCustomEditor editor{host};
    PrintLayout layout;
    int pages = 0;
};

TEST_F(PrintJobTest, RowsStepByThePitchAndBreakAfterRowsPerPage) {
    const std::vector<Drawn> expected{
        {1, 50, 100, "a"}, {1, 50, 145, "b"}, {2, 50, 100, "c"}, {2, 50, 145, "d"}};
    EXPECT_EQ(expected, Print("a\r\nb\r\nc\r\nd"));
    // A full last page starts no empty page after it.
    EXPECT_EQ(2, pages);
}

TEST_F(PrintJobTest, EmptyRowTakesALineAndTabsPrintAsSpaces) {
    const std::string tab(editor.TabSpaceCount(), ' ');
    const std::vector<Drawn> expected{
        {1, 50, 100, "a"}, {1, 50, 145, " "}, {2, 50, 100, tab + "x"}};
    EXPECT_EQ(expected, Print("a\r\n\r\n\tx"));
}

TEST_F(PrintJobTest, HeadLineOnEveryPageMovesTheBodyTwoPitchesDown) {
    layout.SpacingFactor = 1.25f; // 37.5 for one pitch, 75 for two
    const PrintOptions options{.pageNumbers = true, .fileName = true, .fileNameText = "x.txt"};
    const std::vector<Drawn> expected{{1, 1000 - 70 - 40, 100, "page1/2"},
                                      {1, 40, 100, "x.txt"},
                                      {1, 50, 175, "a"},
                                      {1, 50, 213, "b"},
                                      {2, 1000 - 70 - 40, 100, "page2/2"},
                                      {2, 40, 100, "x.txt"},
                                      {2, 50, 175, "c"}};
    EXPECT_EQ(expected, Print("a\r\nb\r\nc", options));
}

TEST_F(PrintJobTest, LayoutWithoutRoomForARowIsRefused) {
    layout.RowsPerPage = 0;
    EXPECT_THROW(Print("a"), PrintError);
}

TEST(MaxRowWidth, MeasuresEachCharacterOnceAndExpandsTabs) {
    test::FakeHost host;
    TCustomEditor editor(host);
    editor.InitFontMetrics();
    // 漢字 / a漢 / a tab to the next stop
    editor.ListInfo().LoadFromBytes("\x8A\xBF\x8E\x9A\r\na\x8A\xBF\r\na\t");
    std::map<std::string, int> measured;
    const int widest = MaxRowWidth(editor, [&measured](std::string_view ch) {
        ++measured[std::string(ch)];
        return ch.size() == 2 ? 2.5 : 1.0;
    });
    EXPECT_EQ(editor.TabSpaceCount(), widest);
    EXPECT_EQ(1, measured["\x8A\xBF"]);
    EXPECT_EQ(1, measured["a"]);
    EXPECT_EQ(1, measured[" "]);
    EXPECT_EQ(0, measured.count("\t"));
}

} // namespace
} // namespace mojiro
