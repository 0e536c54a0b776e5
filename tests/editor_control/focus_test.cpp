// The widget's focus drives the caret: it exists, blinks and raises
// OnCaretMoved only while the widget has the focus.
#include "QtTestApp.h"
#include "editor/control/TEditor.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mojiro::test {
namespace {

// Keeps the events of a view in order, a repeated event once.
class EventLog {
public:
    explicit EventLog(TCustomEditor& view) {
        view.OnSelectionChange = [this](TCustomEditor*, bool selected) {
            Add(selected ? "SelectionChange(true)" : "SelectionChange(false)");
        };
        view.OnChange = [this](TCustomEditor*) { Add("Change"); };
        view.OnCaretMoved = [this](TCustomEditor*) { Add("CaretMoved"); };
    }
    void Add(const std::string& event) {
        if (events.empty() || events.back() != event)
            events.push_back(event);
    }
    std::vector<std::string> events;
};

TEST(FocusTest, FocusedWidgetShowsTheCaretAtTheCaretPlace) {
    TEditor editor;
    editor.Lines().SetText("abc\r\n");
    editor.SetRowCol(0, 2);
    ASSERT_TRUE(ShowFocused(editor));

    EXPECT_TRUE(editor.CaretVisible());
    const TCustomEditor::Point place = editor.CaretPixelPos();
    EXPECT_EQ(editor.CaretRect().topLeft(), QPoint(place.x, place.y));
    EXPECT_EQ(editor.CaretRect().height(), editor.FontHeightMetric());
}

TEST(FocusTest, LosingTheFocusRemovesTheCaret) {
    TEditor editor;
    TEditor other;
    ASSERT_TRUE(ShowFocused(editor));

    ASSERT_TRUE(ShowFocused(other));

    EXPECT_FALSE(editor.CaretVisible());
    EXPECT_TRUE(other.CaretVisible());
}

TEST(FocusTest, UnfocusedWidgetMovedByProgramRaisesNoCaretMoved) {
    TEditor editor;
    editor.show();
    FlushEvents();
    editor.clearFocus();
    ASSERT_FALSE(editor.hasFocus());
    editor.Lines().SetText("abc\r\ndef\r\n");
    int moves = 0;
    editor.OnCaretMoved = [&](TCustomEditor*) { ++moves; };

    editor.SetRowCol(1, 2);

    EXPECT_EQ(moves, 0);
    EXPECT_FALSE(editor.CaretVisible());
}

TEST(FocusTest, TypingOverASelectionRaisesSelectionChangeThenChangeThenCaretMoved) {
    TEditor editor;
    editor.Lines().SetText("abcdef\r\n");
    ASSERT_TRUE(ShowFocused(editor));
    editor.SetSelStart(1);
    editor.SetSelLength(3);
    ASSERT_TRUE(editor.Selected());
    EventLog log(editor);

    editor.KeyChar('x');

    EXPECT_EQ(editor.Lines().Text(), "axef\r\n");
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"SelectionChange(false)", "Change", "CaretMoved"}));
}

TEST(FocusTest, ShownCaretIsDrawnAtItsPlace) {
    TEditor editor;
    ASSERT_TRUE(ShowFocused(editor));
    ASSERT_TRUE(editor.CaretVisible());

    const QImage image = editor.viewport()->grab().toImage();

    const QRect caret = editor.CaretRect();
    const QColor base = editor.palette().base().color();
    EXPECT_NE(image.pixelColor(caret.center()), base);
    EXPECT_EQ(image.pixelColor(caret.right() + 4, caret.center().y()), base);
}

} // namespace
} // namespace mojiro::test
