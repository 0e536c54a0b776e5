// Font, cell metrics and the cell grid of the painted rows.
#include "QtTestApp.h"
#include "editor/control/TEditor.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>
#include <string>

namespace mojiro::test {
namespace {

class MetricsTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.show();
        FlushEvents();
        // The caret would be part of the picture.
        editor.clearFocus();
    }
    // The ink of one cell of a row as painted: a line of '#' and '.' per
    // pixel row, so that a failure shows both glyphs.
    std::string Cell(int row, int col) {
        const QImage image = editor.viewport()->grab().toImage();
        const QColor base = editor.palette().base().color();
        const int left = editor.Margin().Left() + (col - editor.TopCol()) * editor.CharWidth();
        const int top = editor.Margin().Top() + (row - editor.TopRow()) * editor.RowHeight();
        std::string ink = "\n";
        for (int y = top; y < top + editor.RowHeight(); ++y) {
            for (int x = left; x < left + editor.CharWidth(); ++x)
                ink += image.pixelColor(x, y) == base ? '.' : '#';
            ink += '\n';
        }
        return ink;
    }
    TEditor editor;
};

TEST_F(MetricsTest, StoredGothicNameResolvesToAnInstalledJapaneseFont) {
    EXPECT_EQ(editor.font().family(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(QFontInfo(editor.font()).family(), QStringLiteral("IPAGothic"));
}

TEST_F(MetricsTest, OneCellIsAHalfWidthAdvanceAndAFullWidthCharacterTakesTwo) {
    const QFontMetrics metrics(editor.font());

    EXPECT_EQ(editor.CharWidth(), metrics.horizontalAdvance(QLatin1Char('0')));
    EXPECT_NEAR(metrics.horizontalAdvance(QString::fromUtf8("\u3042")), 2 * editor.CharWidth(),
                1); // あ
    EXPECT_EQ(editor.FontHeightMetric(), metrics.height() + metrics.leading());
}

TEST_F(MetricsTest, PageSizeFollowsTheWidgetsOuterSize) {
    editor.SetScrollBars(TScrollStyle::ssNone);
    editor.resize(400, 300);
    FlushEvents();

    EXPECT_EQ(editor.PageRows(), (300 - editor.Margin().Top() - 5) / editor.RowHeight());
    EXPECT_EQ(editor.PageCols(),
              (400 - editor.Margin().Left() - editor.CharWidth() / 2) / editor.CharWidth());
}

TEST_F(MetricsTest, CharacterAfterAFullWidthCharacterIsDrawnTwoCellsOn) {
    editor.Lines().SetText("X\r\n");
    FlushEvents();
    const std::string alone = Cell(0, 0);

    editor.Lines().SetText("\x82\xA0X\r\n"); // あX
    FlushEvents();

    EXPECT_EQ(Cell(0, 2), alone);
}

TEST_F(MetricsTest, BytesThatMakeNoCharacterKeepTheirCells) {
    editor.Lines().SetText("X\r\n");
    FlushEvents();
    const std::string alone = Cell(0, 0);

    editor.Lines().SetText("\x81\x7F"
                           "X\r\n"); // a lead byte with no valid trail
    FlushEvents();

    EXPECT_EQ(Cell(0, 2), alone);
}

TEST_F(MetricsTest, ScrolledViewDrawsFromTheTopColumn) {
    editor.resize(300, 100);
    editor.Lines().SetText("0123456789X\r\n");
    FlushEvents();
    const std::string atTen = Cell(0, 10);

    editor.SetTopCol(4);
    FlushEvents();

    EXPECT_EQ(editor.TopCol(), 4);
    EXPECT_EQ(Cell(0, 10), atTen);
}

} // namespace
} // namespace mojiro::test
