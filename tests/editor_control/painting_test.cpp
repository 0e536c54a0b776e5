// What the control paints: the selection highlight cell by cell, the marks,
// the caret-row underline, token colours over a fold, the OnDrawLine hook,
// and how little is painted again after scrolling and typing.
#include "EditorTestSupport.h"
#include "QtTestApp.h"
#include "editor/control/TEditor.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro::test {
namespace {

// Colours in the control's form: red + 256 * green + 65536 * blue.
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

bool Reddish(QColor c) {
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}
bool Greenish(QColor c) {
    return c.green() > 150 && c.red() < 120 && c.blue() < 120;
}
bool Bluish(QColor c) {
    return c.blue() > 200 && c.red() < 120 && c.green() < 120;
}
bool Dark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

class PaintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(400, 240);
        editor.show();
        FlushEvents();
        // The caret would be part of the picture.
        editor.clearFocus();
    }

    // As freshly painted, and as the window holds it after the repaints so far.
    QImage Painted() { return editor.viewport()->grab().toImage(); }
    QImage OnScreen() {
        FlushEvents();
        const QPoint origin = editor.viewport()->mapTo(&editor, QPoint(0, 0));
        return editor.screen()
            ->grabWindow(editor.winId(), origin.x(), origin.y(), editor.viewport()->width(),
                         editor.viewport()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    [[nodiscard]] QRect Cell(int row, int col) const {
        return {editor.Margin().Left() + (col - editor.TopCol()) * editor.CharWidth(),
                editor.Margin().Top() + (row - editor.TopRow()) * editor.RowHeight(),
                editor.CharWidth(), editor.RowHeight()};
    }
    // A whole row across the viewport, left margin included.
    [[nodiscard]] QRect Row(int row) const {
        const QRect first = Cell(row, 0);
        return {0, first.top(), editor.viewport()->width(), first.height()};
    }
    // Whether any pixel of `area` passes `test`.
    static bool Any(const QImage& image, const QRect& area,
                    const std::function<bool(QColor)>& test) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.rect().contains(x, y) && test(image.pixelColor(x, y)))
                    return true;
        return false;
    }
    // One character per cell of a row: 'S' where the cell's top-left pixel
    // shows the highlight, '.' elsewhere.
    std::string Highlight(const QImage& image, int row, int cells) const {
        std::string line;
        for (int col = 0; col < cells; ++col)
            line += Reddish(image.pixelColor(Cell(row, col).topLeft())) ? 'S' : '.';
        return line;
    }
    // Which cells of a row hold pixels passing `test`.
    std::string Ink(const QImage& image, int row, int cells,
                    const std::function<bool(QColor)>& test) const {
        std::string line;
        for (int col = 0; col < cells; ++col)
            line += Any(image, Cell(row, col), test) ? '#' : '.';
        return line;
    }

    void HighlightInRed() { editor.View().Colors().Select().SetBkColor(kRed); }
    void Select(int fromRow, int fromCol, int toRow, int toCol) {
        test::SelectRange(editor, fromRow, fromCol, toRow, toCol);
    }
    void FoldAt20() {
        editor.WrapOption().SetWrapByte(20);
        editor.SetWordWrap(true);
    }

    TEditor editor;
};

// ---- the selection ---------------------------------------------------------------

TEST_F(PaintingTest, StreamSelectionOverThreeRowsHighlightsTheMiddleRowToTheRightEdge) {
    HighlightInRed();
    editor.Lines().SetText("abcdef\r\nghij\r\nklmnop\r\nqrs\r\n");

    Select(0, 2, 2, 3);

    const QImage image = OnScreen();
    EXPECT_EQ(Highlight(image, 0, 12), "..SSSSSSSSSS");
    EXPECT_EQ(Highlight(image, 1, 12), "SSSSSSSSSSSS");
    EXPECT_EQ(Highlight(image, 2, 12), "SSS.........");
    EXPECT_EQ(Highlight(image, 3, 12), "............");
    EXPECT_TRUE(Reddish(image.pixelColor(editor.viewport()->width() - 1, Cell(1, 0).top())));
}

TEST_F(PaintingTest, BoxSelectionHighlightsOnlyTheTextInsideTheBox) {
    HighlightInRed();
    editor.Lines().SetText("abcdefgh\r\nab\r\n\r\nabcdefgh\r\n");
    editor.SetSelectionMode(TEditorSelectionMode::smBox);

    Select(0, 1, 3, 5);

    const QImage image = OnScreen();
    EXPECT_EQ(Highlight(image, 0, 10), ".SSSS.....");
    EXPECT_EQ(Highlight(image, 1, 10), ".S........");
    EXPECT_EQ(Highlight(image, 2, 10), "..........");
    EXPECT_EQ(Highlight(image, 3, 10), ".SSSS.....");
}

TEST_F(PaintingTest, BoxEdgeThroughADoubleByteCharacterMovesPastIt) {
    HighlightInRed();
    editor.Lines().SetText("a\x82\xA0\x82\xA2\r\n"          // aあい
                           "\x82\xA0\x82\xA2\x82\xA4\r\n"); // あいう
    editor.SetSelectionMode(TEditorSelectionMode::smBox);

    Select(1, 2, 0, 5);

    // Columns 2..4: on the first row the left edge cuts あ, which stays out;
    // on the second the right edge cuts う, which comes in.
    const QImage image = OnScreen();
    EXPECT_EQ(Highlight(image, 0, 8), "...SS...");
    EXPECT_EQ(Highlight(image, 1, 8), "..SSSS..");
}

TEST_F(PaintingTest, ShrinkingAStreamSelectionLeavesNoHighlightBehind) {
    HighlightInRed();
    editor.Lines().SetText("abcdef\r\nghij\r\nklmnop\r\n");
    Select(0, 1, 2, 4);
    (void)OnScreen();

    editor.SetRowCol(0, 3);
    editor.ExtendSelection();

    const QImage image = OnScreen();
    EXPECT_EQ(Highlight(image, 0, 8), ".SS.....");
    EXPECT_EQ(Highlight(image, 1, 8), "........");
    EXPECT_EQ(Highlight(image, 2, 8), "........");
    EXPECT_EQ(image, Painted());
}

TEST_F(PaintingTest, MovingASelectionEndRepaintsOnlyTheCellsBetweenTheEnds) {
    HighlightInRed();
    editor.Lines().SetText("abcdefghijkl\r\nabcdefghijkl\r\n");
    Select(0, 2, 1, 3);
    (void)OnScreen();
    PaintRecorder recorder(editor.viewport());

    editor.SetRowCol(1, 6);
    editor.ExtendSelection();
    FlushEvents();

    EXPECT_EQ(recorder.painted.boundingRect(),
              QRect(Cell(1, 3).topLeft(), Cell(1, 5).bottomRight()));
}

TEST_F(PaintingTest, SelectedTextTakesTheSelectionColourOverItsTokenColour) {
    editor.View().SetUrl(true);
    editor.View().Colors().Url().SetColor(kRed);
    editor.View().Colors().Select().SetColor(kBlue);
    editor.Lines().SetText("http://example.com/\r\n");

    Select(0, 0, 0, 4);

    const QImage image = OnScreen();
    EXPECT_EQ(Ink(image, 0, 8, Bluish), "####....");
    EXPECT_EQ(Ink(image, 0, 8, Reddish), "....####");
}

TEST_F(PaintingTest, SlantedTextWidensASelectionRepaintByACellEachSide) {
    editor.View().Colors().Ank().SetStyle(fsItalic);
    editor.Lines().SetText("abcdefghijkl\r\n");
    Select(0, 2, 0, 4);
    (void)OnScreen();
    PaintRecorder recorder(editor.viewport());

    editor.SetRowCol(0, 6);
    editor.ExtendSelection();
    FlushEvents();

    EXPECT_EQ(recorder.painted.boundingRect(),
              QRect(Cell(0, 3).topLeft(), Cell(0, 6).bottomRight()));
}

// ---- marks ------------------------------------------------------------------------

TEST_F(PaintingTest, EofMarkStandsOnTheRowAfterAFinalLineBreak) {
    editor.Marks().EofMark().SetColor(kGreen);
    editor.Marks().EofMark().SetVisible(true);

    editor.Lines().SetText("ab\r\n");

    const QImage image = OnScreen();
    EXPECT_EQ(Ink(image, 0, 8, Greenish), "........");
    EXPECT_EQ(Ink(image, 1, 8, Greenish), "#####...");
}

TEST_F(PaintingTest, EofMarkFollowsTheLastCharacterOfATextWithoutAFinalLineBreak) {
    editor.Marks().EofMark().SetColor(kGreen);
    editor.Marks().EofMark().SetVisible(true);
    editor.Marks().RetMark().SetColor(kBlue);
    editor.Marks().RetMark().SetVisible(true);

    editor.ListInfo().LoadFromBytes("ab");

    const QImage image = OnScreen();
    EXPECT_EQ(Ink(image, 0, 9, Greenish), "..#####..");
    EXPECT_EQ(Ink(image, 0, 9, Bluish), ".........");
    EXPECT_EQ(Ink(image, 1, 9, Greenish), ".........");
}

TEST_F(PaintingTest, ReturnMarkFollowsLineEndRowsButNotWrappedRows) {
    editor.Marks().RetMark().SetColor(kBlue);
    editor.Marks().RetMark().SetVisible(true);
    FoldAt20();

    editor.ListInfo().LoadFromBytes("abcdefghijklmnopqrstuvwxyz0123\r\nab\r\nlast");

    const QImage image = OnScreen();
    ASSERT_EQ(editor.RowCount(), 4);
    EXPECT_EQ(Ink(image, 0, 22, Bluish), "......................");
    EXPECT_EQ(Ink(image, 1, 22, Bluish), "..........#...........");
    EXPECT_EQ(Ink(image, 2, 22, Bluish), "..#...................");
    EXPECT_EQ(Ink(image, 3, 22, Bluish), "......................");
}

TEST_F(PaintingTest, RowAsWideAsTheViewGetsNoReturnMark) {
    editor.Marks().RetMark().SetColor(kBlue);
    editor.Marks().RetMark().SetVisible(true);
    // Size the view to a whole number of cells.
    const int cells = (editor.viewport()->width() - editor.Margin().Left()) / editor.CharWidth();
    editor.resize(editor.width() - (editor.viewport()->width() - editor.Margin().Left() -
                                    cells * editor.CharWidth()),
                  editor.height());
    FlushEvents();
    ASSERT_EQ(editor.viewport()->width(), editor.Margin().Left() + cells * editor.CharWidth());

    editor.Lines().SetText(std::string(static_cast<std::size_t>(cells), 'x') + "\r\n" +
                           std::string(static_cast<std::size_t>(cells - 1), 'x') + "\r\n");

    const QImage image = OnScreen();
    EXPECT_FALSE(Any(image, Row(0), Bluish));
    EXPECT_TRUE(Any(image, Cell(1, cells - 1), Bluish));
}

TEST_F(PaintingTest, UnderlineFollowsTheCaretRowAndHidesUnderASelection) {
    editor.Marks().Underline().SetColor(kRed);
    editor.Marks().Underline().SetVisible(true);
    editor.Lines().SetText("one\r\ntwo\r\nthree\r\nfour\r\n");
    const auto underlined = [&](const QImage& image, int row) {
        return Reddish(image.pixelColor(editor.Margin().Left() + 40, editor.UnderlineY(row)));
    };

    editor.SetRow(1);
    QImage image = OnScreen();
    EXPECT_TRUE(underlined(image, 1));
    EXPECT_FALSE(underlined(image, 0));

    editor.SetRow(3);
    image = OnScreen();
    EXPECT_TRUE(underlined(image, 3));
    EXPECT_FALSE(underlined(image, 1));

    Select(3, 0, 3, 2);
    EXPECT_FALSE(underlined(OnScreen(), 3));

    editor.CleanSelection();
    EXPECT_TRUE(underlined(OnScreen(), 3));
}

// ---- text --------------------------------------------------------------------------

TEST_F(PaintingTest, DoubleByteCharacterTakesTwoCells) {
    editor.Lines().SetText("\x82\xA0\x82\xA0\r\n"); // ああ

    const QImage image = OnScreen();
    const QRect first = Cell(0, 0).united(Cell(0, 1));
    const QRect second = Cell(0, 2).united(Cell(0, 3));
    EXPECT_EQ(image.copy(first), image.copy(second));
    EXPECT_EQ(Ink(image, 0, 6, Dark), "####..");
}

TEST_F(PaintingTest, InvalidBytesShowAPlaceholderInEachOfTheirCells) {
    editor.Lines().SetText("a\x80\xFF"
                           "b\r\n");

    EXPECT_EQ(Ink(OnScreen(), 0, 5, Dark), "####.");
}

TEST_F(PaintingTest, UrlFoldedOverTwoRowsIsColouredOnBoth) {
    editor.View().SetUrl(true);
    editor.View().Colors().Url().SetColor(kRed);
    FoldAt20();

    editor.Lines().SetText("http://example.com/abcdefghijklmnop\r\n");

    const QImage image = OnScreen();
    ASSERT_EQ(editor.RowCount(), 2);
    EXPECT_TRUE(Any(image, Row(0), Reddish));
    EXPECT_TRUE(Any(image, Row(1), Reddish));
    EXPECT_FALSE(Any(image, Row(1), Dark));
}

TEST_F(PaintingTest, ReservedWordTakesTheReserveColour) {
    editor.View().Colors().Reserve().SetColor(kRed);
    ReserveWordList words;
    words.Add("BEGIN");

    editor.SetReserveWordList(words);
    editor.Lines().SetText("begin end\r\n");

    EXPECT_EQ(Ink(OnScreen(), 0, 10, Reddish), "#####.....");
}

// ---- OnDrawLine ---------------------------------------------------------------------

struct DrawLineCall {
    std::string lineStr;
    int x = 0;
    int index = 0;
    int rectLeft = 0;
    int rectRight = 0;
    bool selected = false;
    bool operator==(const DrawLineCall&) const = default;
};

void PrintTo(const DrawLineCall& c, std::ostream* os) {
    *os << "{row " << c.index << (c.selected ? " selected" : " plain") << ", " << c.lineStr.size()
        << " bytes at x " << c.x << ", rect " << c.rectLeft << ".." << c.rectRight << "}";
}

TEST_F(PaintingTest, DrawLineFiresPerDrawnPartWithTheJoinedNeighbours) {
    FoldAt20();
    const std::string first(20, 'a');
    const std::string second(10, 'b');
    editor.Lines().SetText(first + second + "\r\n");
    ASSERT_EQ(editor.RowCount(), 2);
    Select(1, 2, 1, 6);
    std::vector<DrawLineCall> calls;
    editor.OnDrawLine = [&](TEditor*, QPainter&, const std::string& lineStr, int x, int, int index,
                            const QRect& rect, bool selected) {
        calls.push_back({lineStr, x, index, rect.left(), rect.right() + 1, selected});
    };

    (void)Painted();

    const int cw = editor.CharWidth();
    const int left = editor.Margin().Left();
    const int right = editor.viewport()->width();
    const std::vector<DrawLineCall> expected{
        // A wrapped row: the next row joined on, drawn only to its own end.
        {first + second, left, 0, left, left + 20 * cw, false},
        // The row after a fold: the previous row joined in front.
        {first + second, left - 20 * cw, 1, left, left + 2 * cw, false},
        {first + second, left - 20 * cw, 1, left + 2 * cw, left + 6 * cw, true},
        {first + second, left - 20 * cw, 1, left + 6 * cw, right, false},
    };
    EXPECT_EQ(calls, expected);
}

// ---- what is painted again ------------------------------------------------------------

class RepaintTest : public PaintingTest {
protected:
    void SetUp() override {
        PaintingTest::SetUp();
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += "row " + std::to_string(i) + "\r\n";
        editor.Lines().SetText(text);
        (void)OnScreen();
    }
};

TEST_F(RepaintTest, ScrollingByOneRowPaintsOnlyTheUncoveredStrip) {
    PaintRecorder recorder(editor.viewport());
    const int rowsBefore = editor.PaintedRows();

    editor.SetTopRow(1);

    const QImage image = OnScreen();
    const int bottom = editor.viewport()->height();
    EXPECT_GE(recorder.painted.boundingRect().top(), bottom - editor.RowHeight());
    EXPECT_LE(editor.PaintedRows() - rowsBefore, 2);
    EXPECT_EQ(image, Painted());
}

// Typing replaces the caret row and the row after it (a fold may move).
TEST_F(RepaintTest, TypingACharacterPaintsOnlyTheReplacedRows) {
    PaintRecorder recorder(editor.viewport());
    const int rowsBefore = editor.PaintedRows();

    editor.SetRowCol(5, 2);
    editor.InsertText("x");

    const QImage image = OnScreen();
    EXPECT_EQ(editor.PaintedRows() - rowsBefore, 2);
    EXPECT_TRUE(Row(5).united(Row(6)).contains(recorder.painted.boundingRect()));
    EXPECT_EQ(image, Painted());
}

TEST_F(RepaintTest, NewLineMovesTheRowsBelowInsteadOfPaintingThem) {
    PaintRecorder recorder(editor.viewport());
    const int rowsBefore = editor.PaintedRows();

    editor.SetRowCol(5, 2);
    editor.KeyEnter();

    // Rows 5..7 are the replaced rows; row 8 is uncovered by moving the rest.
    const QImage image = OnScreen();
    EXPECT_EQ(editor.PaintedRows() - rowsBefore, 4);
    EXPECT_LT(recorder.painted.boundingRect().bottom(), Row(9).top());
    EXPECT_EQ(image, Painted());
}

TEST_F(RepaintTest, JoiningTwoRowsMovesTheRowsBelowUp) {
    editor.SetRowCol(5, 0);

    editor.KeyBackspace();

    EXPECT_EQ(editor.RowString(4), "row 4row 5");
    EXPECT_EQ(OnScreen(), Painted());
}

TEST_F(RepaintTest, UnderlineMovedByScrollingAndEditingLeavesNoTrace) {
    editor.Marks().Underline().SetColor(kRed);
    editor.Marks().Underline().SetVisible(true);
    editor.SetRowCol(10, 0);
    (void)OnScreen();

    editor.SetTopRow(3);
    EXPECT_EQ(OnScreen(), Painted());

    editor.KeyEnter();
    EXPECT_EQ(OnScreen(), Painted());

    editor.KeyBackspace();
    EXPECT_EQ(OnScreen(), Painted());
}

TEST_F(RepaintTest, RowsRecolouredByAClosedBracketAreRepainted) {
    TEditorBracketCollection brackets;
    TEditorBracketItem& pair = brackets.Add();
    pair.SetLeftBracket("\x81\x75");  // 「
    pair.SetRightBracket("\x81\x76"); // 」
    pair.ItemColor().SetColor(kRed);
    editor.View().SetBrackets(brackets);
    editor.SetRowCol(2, 0);
    editor.InsertText("\x81\x75"); // 「 opens a span over every row below
    ASSERT_TRUE(Any(OnScreen(), Row(6), Reddish));

    editor.SetRowCol(4, 0);
    editor.InsertText("\x81\x76"); // 」
    EXPECT_FALSE(Any(OnScreen(), Row(6), Reddish));
    EXPECT_EQ(OnScreen(), Painted());

    editor.KeyEnter();
    EXPECT_EQ(OnScreen(), Painted());
}

TEST_F(RepaintTest, ReserveWordListEqualToTheCurrentOnePaintsNothing) {
    ReserveWordList words;
    words.Add("row");
    editor.SetReserveWordList(words);
    (void)OnScreen();
    PaintRecorder recorder(editor.viewport());

    editor.SetReserveWordList(words);
    FlushEvents();

    EXPECT_TRUE(recorder.painted.isEmpty());
}

} // namespace
} // namespace mojiro::test
