// The control's Qt input: key presses with Shift and the host's key handler,
// input-method text, mouse drags, the wheel, the scroll bars' actions, the
// built-in context menu and the program's own cursors.
#include "EditorTestSupport.h"
#include "QtTestApp.h"
#include "editor/VirtualKeys.h"
#include "editor/control/EditorCursors.h"
#include "editor/control/EditorPopupMenu.h"
#include "editor/control/TEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <string>

namespace mojiro::test {
namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(400, 300);
        ASSERT_TRUE(ShowFocused(editor));
    }
    void TearDown() override {
        // A popup left open would take the next test's events.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        FlushEvents();
    }

    void Load(const std::string& text) { editor.ListInfo().LoadFromBytes(text); }
    [[nodiscard]] std::string Text() const { return editor.ListInfo().Text(); }
    [[nodiscard]] RowCol At() const { return {editor.Row(), editor.Col()}; }
    void Select(int fromRow, int fromCol, int toRow, int toCol) {
        test::SelectRange(editor, fromRow, fromCol, toRow, toCol);
    }
    // A viewport point just inside the cell at (view row, col).
    [[nodiscard]] QPoint Cell(int row, int col) const {
        return {editor.Margin().Left() + col * editor.CharWidth() + 1,
                editor.Margin().Top() + row * editor.RowHeight() + 1};
    }
    void Wheel(int angle) {
        const QPoint at = Cell(1, 1);
        QWheelEvent event(at, editor.viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(editor.viewport(), &event);
    }
    void Commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&editor, &event);
    }
    // Opens the context menu with a right click and returns what popped up.
    QMenu* OpenContextMenu() {
        const QPoint at = Cell(0, 0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, editor.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(editor.viewport(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    TEditor editor;
};

// ---- keys ---------------------------------------------------------------------------

TEST_F(InputTest, ShiftDownSelectsARowDownAndDownAloneClearsAndMoves) {
    Load("abcdef\r\nghijkl\r\nmnopqr\r\n");
    editor.SetRowCol(0, 3);

    QTest::keyClick(&editor, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(editor.SelText(), "def\r\nghi");

    QTest::keyClick(&editor, Qt::Key_Down);
    EXPECT_FALSE(editor.Selected());
    EXPECT_EQ(At(), (RowCol{2, 3}));
}

TEST_F(InputTest, HostKeyHandlerSettingTheKeyToZeroStopsArrowKeys) {
    Load("abcdef\r\nghijkl\r\n");
    std::vector<int> seen;
    editor.OnKeyDown = [&](TEditor*, int& key, Qt::KeyboardModifiers) {
        seen.push_back(key);
        if (key == VK_DOWN || key == VK_RIGHT)
            key = 0;
    };

    QTest::keyClick(&editor, Qt::Key_Down);
    QTest::keyClick(&editor, Qt::Key_Right);
    EXPECT_EQ(At(), (RowCol{0, 0}));
    EXPECT_EQ(seen, (std::vector<int>{VK_DOWN, VK_RIGHT}));

    QTest::keyClick(&editor, Qt::Key_End);
    EXPECT_EQ(At(), (RowCol{0, 6}));
}

TEST_F(InputTest, HostKeyPressHandlerCanReplaceOrConsumeACharacter) {
    editor.OnKeyPress = [](TEditor*, char& key) {
        if (key == 'a')
            key = 'b';
        else if (key == 'q')
            key = 0;
    };
    QTest::keyClicks(&editor, "aqc");
    EXPECT_EQ(Text(), "bc");
}

TEST_F(InputTest, TabAndEnterTypeOnlyWhileTheControlWantsThem) {
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(Text(), "\r\n\t");

    editor.SetWantTabs(false);
    editor.SetWantReturns(false);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(Text(), "\r\n\t");
}

TEST_F(InputTest, CtrlCombinationsTypeNoLettersAndCtrlHIsABackspace) {
    Load("abc");
    editor.SetRowCol(0, 3);
    QTest::keyClick(&editor, Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(Text(), "abc");
    QKeyEvent ctrlH(QEvent::KeyPress, Qt::Key_H, Qt::ControlModifier, QStringLiteral("\b"));
    QCoreApplication::sendEvent(&editor, &ctrlH);
    EXPECT_EQ(Text(), "ab");
}

TEST_F(InputTest, KeyThatTypesADoubleByteCharacterInsertsItAndReportsWhatCp932CannotHold) {
    int replaced = 0;
    editor.OnCharactersReplaced = [&](TEditor*, int count) { replaced = count; };
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier,
                    QString::fromUtf8("\xE3\x81\x82\xF0\x9F\x98\x80")); // あ😀
    QCoreApplication::sendEvent(&editor, &press);
    EXPECT_EQ(Text(), "\x82\xa0\x81\xac"); // あ〓
    EXPECT_EQ(replaced, 1);
}

// ---- the input method -----------------------------------------------------------

TEST_F(InputTest, InputMethodCommitInsertsItsCp932BytesOnceAndTypingGoesOn) {
    Commit(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E")); // 日本語
    EXPECT_EQ(Text(), "\x93\xfa\x96\x7b\x8c\xea");                     // 日本語

    // Qt sends no key presses for committed text: nothing typed after it is
    // lost.
    QTest::keyClick(&editor, Qt::Key_X);
    EXPECT_EQ(Text(), "\x93\xfa\x96\x7b\x8c\xea"
                      "x");
}

TEST_F(InputTest, CompositionShowsAtTheCaretUntilItIsCommitted) {
    Load("abc\r\n");
    editor.SetRowCol(0, 2);
    QInputMethodEvent composing(QString::fromUtf8("\xE3\x81\xAB"), {}); // に
    QCoreApplication::sendEvent(&editor, &composing);

    auto* preedit = editor.viewport()->findChild<QLabel*>();
    ASSERT_NE(preedit, nullptr);
    EXPECT_TRUE(preedit->isVisible());
    EXPECT_EQ(preedit->text(), QString::fromUtf8("\xE3\x81\xAB"));
    EXPECT_EQ(preedit->pos(),
              QPoint(editor.Margin().Left() + 2 * editor.CharWidth(), editor.Margin().Top()));
    EXPECT_EQ(Text(), "abc\r\n");

    Commit(QString::fromUtf8("\xE4\xBA\x8C")); // 二
    EXPECT_FALSE(preedit->isVisible());
    EXPECT_EQ(Text(), "ab\x93\xf1"
                      "c\r\n"); // ab二c
}

// ---- the mouse ------------------------------------------------------------------------

TEST_F(InputTest, DragOfTheSelectionWithCtrlInsertsACopy) {
    Load("abcdef\r\n");
    Select(0, 0, 0, 2); // ab
    QWidget* view = editor.viewport();

    QTest::mousePress(view, Qt::LeftButton, {}, Cell(0, 1));
    QTest::mouseMove(view, Cell(0, 5));
    QTest::mouseMove(view, Cell(0, 5));
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::Dragging);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ControlModifier, Cell(0, 5));

    EXPECT_EQ(Text(), "abcdeabf\r\n");
    EXPECT_EQ(editor.GetDragState(), TCustomEditor::DragState::None);
}

TEST_F(InputTest, ClickThenReleaseWithoutMovingLeavesTheSelectionAnchored) {
    Load("abcdef\r\nghijkl\r\n");
    int clicks = 0;
    editor.OnClick = [&](TCustomEditor*) { ++clicks; };
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, Cell(1, 4));
    EXPECT_EQ(At(), (RowCol{1, 4}));
    EXPECT_EQ(editor.SelectionState(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(InputTest, DoubleClickRaisesOnDblClickAndItsReleaseIsNoClick) {
    Load("abc def ghi\r\n");
    int clicks = 0;
    int doubleClicks = 0;
    editor.OnClick = [&](TCustomEditor*) { ++clicks; };
    editor.OnDblClick = [&](TCustomEditor* sender) {
        ++doubleClicks;
        const TCustomEditor::Point caret = sender->CaretPixelPos();
        sender->SelectTokenAtPos(caret.x, caret.y, false);
    };
    QWidget* view = editor.viewport();
    // The events a window system delivers for a double-click.
    QTest::mousePress(view, Qt::LeftButton, {}, Cell(0, 5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, Cell(0, 5));
    QTest::mousePress(view, Qt::LeftButton, {}, Cell(0, 5));
    QTest::mouseDClick(view, Qt::LeftButton, {}, Cell(0, 5));
    // A wobble before the release must not move the word selection.
    QTest::mouseMove(view, Cell(0, 9));
    QTest::mouseRelease(view, Qt::LeftButton, {}, Cell(0, 9));

    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(editor.SelText(), "def");
}

TEST(EditorCursorsTest, ProgramCursorsComeFromTheResources) {
    const QCursor rightArrow = CursorFor(crRightArrow);
    EXPECT_FALSE(rightArrow.pixmap().isNull());
    EXPECT_EQ(rightArrow.hotSpot(), QPoint(11, 0));
    const QCursor dragCopy = CursorFor(crDragSelCopy);
    EXPECT_FALSE(dragCopy.pixmap().isNull());
    EXPECT_EQ(dragCopy.hotSpot(), QPoint(0, 0));
}

// ---- scrolling ------------------------------------------------------------------------

TEST_F(InputTest, MouseWheelScrollsTheView) {
    Load(NumberedRows(100));
    const int lines = QApplication::wheelScrollLines();
    Wheel(-120); // towards the user
    EXPECT_EQ(editor.TopRow(), lines);
    Wheel(-60);
    Wheel(-60); // two half notches make one
    EXPECT_EQ(editor.TopRow(), 2 * lines);
    Wheel(120);
    EXPECT_EQ(editor.TopRow(), lines);
    EXPECT_EQ(At(), (RowCol{0, 0}));

    // Not while the left button is held (selecting) or a drag is armed.
    QTest::mousePress(editor.viewport(), Qt::LeftButton, {}, Cell(0, 0));
    Wheel(-120);
    QTest::mouseRelease(editor.viewport(), Qt::LeftButton, {}, Cell(0, 0));
    EXPECT_EQ(editor.TopRow(), lines);
}

TEST_F(InputTest, ScrollBarBottomActionLeavesOnlyTheVirtualRowInView) {
    Load(NumberedRows(100));
    editor.SetScrollBars(TScrollStyle::ssVertical);
    editor.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(editor.TopRow(), editor.RowCount());
    editor.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(editor.TopRow(), 0);
    EXPECT_EQ(editor.verticalScrollBar()->value(), 0);
}

TEST_F(InputTest, LockScrollMovesTheCaretWithTheScrollBar) {
    Load(NumberedRows(100));
    editor.SetScrollBars(TScrollStyle::ssVertical);
    editor.Caret().SetLockScroll(true);
    editor.SetRowCol(2, 1);

    editor.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(editor.TopRow(), 1);
    EXPECT_EQ(At(), (RowCol{3, 1}));
    editor.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor.TopRow(), 1 + editor.PageRows());
    EXPECT_EQ(At(), (RowCol{3 + editor.PageRows(), 1}));
    EXPECT_EQ(editor.verticalScrollBar()->value(), editor.TopRow());
}

// ---- the context menu -----------------------------------------------------------------

TEST_F(InputTest, PopupMenuOnAReadOnlyControlEnablesOnlyCopySelectAllAndBoxMode) {
    Load("abc\r\n");
    editor.InsertText("x"); // something to undo
    editor.SelectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    editor.SetReadOnly(true);

    auto* menu = qobject_cast<TEditorPopupMenu*>(OpenContextMenu());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->UndoItem()->isEnabled());
    EXPECT_FALSE(menu->RedoItem()->isEnabled());
    EXPECT_FALSE(menu->CutItem()->isEnabled());
    EXPECT_TRUE(menu->CopyItem()->isEnabled());
    EXPECT_FALSE(menu->PasteItem()->isEnabled());
    EXPECT_FALSE(menu->BoxPasteItem()->isEnabled());
    EXPECT_FALSE(menu->DeleteItem()->isEnabled());
    EXPECT_TRUE(menu->SelectAllItem()->isEnabled());
    EXPECT_TRUE(menu->BoxSelectionModeItem()->isEnabled());
}

TEST_F(InputTest, PopupMenuWithNothingSelectedDisablesCutCopyAndDelete) {
    editor.InsertText("abc");
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));

    auto* menu = qobject_cast<TEditorPopupMenu*>(OpenContextMenu());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->UndoItem()->isEnabled());
    EXPECT_FALSE(menu->RedoItem()->isEnabled());
    EXPECT_FALSE(menu->CutItem()->isEnabled());
    EXPECT_FALSE(menu->CopyItem()->isEnabled());
    EXPECT_TRUE(menu->PasteItem()->isEnabled());
    EXPECT_TRUE(menu->BoxPasteItem()->isEnabled());
    EXPECT_FALSE(menu->DeleteItem()->isEnabled());
    EXPECT_TRUE(menu->SelectAllItem()->isEnabled());
    menu->close();

    editor.Clear();
    menu = qobject_cast<TEditorPopupMenu*>(OpenContextMenu());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->SelectAllItem()->isEnabled());
}

TEST_F(InputTest, PopupMenuHasTheTwelveItemsInOrder) {
    QMenu* menu = editor.PopupMenu();
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(captions.join(QLatin1Char('|')).toStdString(),
              "元に戻す(&U)|やり直し(&R)|-|切り取り(&T)|コピー(&C)|貼り付け(&P)|Box貼り付け(&B)|"
              "削除(&D)|-|すべて選択(&A)|-|Box選択モード(&K)");
    EXPECT_EQ(menu->actions().at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(menu->actions().at(11)->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
}

TEST_F(InputTest, BoxSelectionModeChosenTwiceReturnsToStreamAndReportsBothTimes) {
    int modeChanges = 0;
    editor.OnSelectionModeChange = [&](TCustomEditor*) { ++modeChanges; };
    auto* menu = qobject_cast<TEditorPopupMenu*>(editor.PopupMenu());
    ASSERT_NE(menu, nullptr);

    menu->BoxSelectionModeItem()->trigger();
    EXPECT_EQ(editor.SelectionMode(), TEditorSelectionMode::smBox);
    menu->BoxSelectionModeItem()->trigger();
    EXPECT_EQ(editor.SelectionMode(), TEditorSelectionMode::smStream);
    EXPECT_EQ(modeChanges, 2);
}

TEST_F(InputTest, BoxPasteOfOrdinaryTextInsertsItsLinesAsABox) {
    Load("xxxx\r\nyyyy\r\n");
    editor.SetRowCol(0, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("ab\r\ncd"));
    auto* menu = qobject_cast<TEditorPopupMenu*>(OpenContextMenu());
    ASSERT_NE(menu, nullptr);
    menu->BoxPasteItem()->trigger();
    EXPECT_EQ(Text(), "xabxxx\r\nycdyyy\r\n");
}

TEST_F(InputTest, PopupMenuShortcutsActOnlyWhileTheMenuIsOpen) {
    editor.InsertText("x");
    QMenu* menu = OpenContextMenu(); // enables Undo
    ASSERT_NE(menu, nullptr);
    menu->close();
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), "x");
}

TEST_F(InputTest, HostMenuReplacesTheBuiltInOne) {
    QMenu own;
    own.addAction(QStringLiteral("own"));
    editor.SetPopupMenu(&own);
    EXPECT_EQ(OpenContextMenu(), &own);
    own.close();
}

} // namespace
} // namespace mojiro::test
