// The window's edit and view commands as a reporter uses them.
#include "MainWindowFixture.h"
#include "app/CoolBar.h"
#include "app/SearchBar.h"
#include "editor/control/ClipboardMime.h"
#include "editor/control/SystemColors.h"
#include "editor/control/TEditor.h"
#include "settings/dialog/OptionDlg.h"
#include "settings/dialog/RadioGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace mojiro {
namespace {

std::string ClipboardBytes() {
    const auto content = ReadClipboardMime(QGuiApplication::clipboard()->mimeData());
    return content ? content->text : "<none>";
}

void SetClipboardBytes(const std::string& cp932) {
    QGuiApplication::clipboard()->setMimeData(MakeClipboardMime(cp932, false).release());
}

TEST_F(MainWindowTest, AppendCopyAddsTheSelectionToTheClipboardAndTheHistory) {
    auto window = Start();
    SetClipboardBytes("\x8B\x4C\x8E\x96"); // 記事
    TEditor& editor = *window->Editor1;
    editor.SetSelText("\x92\xC7\x89\xC1"); // 追加
    editor.SelectAll();
    window->Commands().editAddCopy->trigger();
    EXPECT_EQ("\x8B\x4C\x8E\x96\x92\xC7\x89\xC1", ClipboardBytes());
    EXPECT_EQ("\x8B\x4C\x8E\x96\x92\xC7\x89\xC1", window->ClipboardHistory().Entries().front());
}

TEST_F(MainWindowTest, AppendCutWithAnEmptyClipboardLeavesTheSelectionAlone) {
    auto window = Start();
    QGuiApplication::clipboard()->clear();
    TEditor& editor = *window->Editor1;
    editor.SetSelText("abc");
    editor.SelectAll();
    window->EditAddCutItemClick();
    EXPECT_EQ("abc", ClipboardBytes());
    EXPECT_EQ(0, editor.TextLength());
}

TEST_F(MainWindowTest, PickedHistoryEntryGoesInAtTheCaretAndMovesToTheFront) {
    auto window = Start();
    for (const char* text : {"one", "two", "three"}) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
    }
    const std::string clipboard = ClipboardBytes();
    window->HistoryItemsClick(2);
    EXPECT_EQ("one", window->Editor1->Lines().Get(0));
    EXPECT_EQ("one", window->ClipboardHistory().Entries().front());
    EXPECT_EQ(clipboard, ClipboardBytes()); // the clipboard itself is untouched
}

TEST_F(MainWindowTest, BoxModeShowsInPanelFourAndOnItsCommand) {
    auto window = Start();
    window->Commands().box->trigger();
    EXPECT_EQ(TEditorSelectionMode::smBox, window->Editor1->SelectionMode());
    EXPECT_EQ("BOX選択", Utf8(window->PanelText(4)));
    EXPECT_TRUE(window->Commands().box->isChecked());
    window->Commands().box->trigger();
    EXPECT_EQ("", Utf8(window->PanelText(4)));
    EXPECT_FALSE(window->Commands().box->isChecked());
}

TEST_F(MainWindowTest, SplitPanesShareTheDocumentAndChangingOrientationKeepsThePane) {
    auto window = Start();
    window->SplitVItemClick();
    TEditor* second = window->Editor2();
    ASSERT_NE(nullptr, second);
    second->SetSelText("x");
    EXPECT_EQ("x", window->Editor1->Lines().Get(0));
    window->SplitHItemClick();
    EXPECT_EQ(second, window->Editor2());
    EXPECT_TRUE(window->Commands().splitH->isChecked());
    EXPECT_FALSE(window->Commands().splitV->isChecked());
    window->Editor1->Undo();
    EXPECT_EQ(0, second->TextLength());
    window->SplitHItemClick();
    EXPECT_EQ(nullptr, window->Editor2());
}

TEST_F(MainWindowTest, TabAndFullWidthSpaceMarksAreDrawnInTheirCells) {
    auto window = Start();
    TEditor& editor = *window->Editor1;
    editor.Caret().SetTabSpaceCount(8);
    editor.SetSelText("ab\tc\x81\x40"); // ab, tab, c, full-width space
    QImage image(editor.viewport()->size(), QImage::Format_RGB32);
    editor.viewport()->render(&image);
    const int w = editor.CharWidth();
    const int left = editor.Margin().Left();
    const int top = editor.Margin().Top();
    const QRgb mark = TColorToQColor(clActiveCaption, editor.palette()).rgb();
    // The tab arrow starts 2 pixels into the third cell; the space's box
    // hangs from the row top in the tenth cell.
    const int middle = top + (editor.RowHeight() - editor.Margin().Line()) / 2;
    EXPECT_EQ(mark, image.pixel(left + 2 * w + 2, middle - (w > 13 ? 5 : 1)));
    EXPECT_EQ(mark, image.pixel(left + 9 * w + 2, top + 2));
}

TEST_F(MainWindowTest, ClickInsideADoubleClickedWordSelectsItsWholeLine) {
    auto window = Start();
    TEditor& editor = *window->Editor1;
    window->activateWindow();
    editor.setFocus();
    QCoreApplication::processEvents();
    editor.SetSelText("\x8B\x4C\x8E\xD2\x89\xEF\x8C\xA9 ab\r\nnext"); // 記者会見 ab
    QWidget* view = editor.viewport();
    const QPoint inWord(editor.Margin().Left() + editor.CharWidth() + 1, editor.Margin().Top() + 1);
    // The events a window system delivers for a double-click.
    QTest::mousePress(view, Qt::LeftButton, {}, inWord);
    QTest::mouseRelease(view, Qt::LeftButton, {}, inWord);
    QTest::mousePress(view, Qt::LeftButton, {}, inWord);
    QTest::mouseDClick(view, Qt::LeftButton, {}, inWord);
    QTest::mouseRelease(view, Qt::LeftButton, {}, inWord);
    EXPECT_EQ(8, editor.SelLength());
    QTest::mouseClick(view, Qt::LeftButton, {}, inWord);
    EXPECT_EQ(0, editor.SelStart());
    EXPECT_EQ(13, editor.SelLength()); // the line and its line break
}

TEST_F(MainWindowTest, DateAndAlignmentCommandsActOnTheActivePaneAsOneUndoStep) {
    auto window = Start();
    TEditor& editor = *window->Editor1;
    window->Commands().editToday->trigger();
    const std::string date = editor.Lines().Get(0);
    EXPECT_TRUE(date.ends_with("\x93\xFA")) << date; // 日
    window->Commands().editRight->trigger();
    const std::string aligned = editor.Lines().Get(0);
    EXPECT_EQ(80U, aligned.size());               // the kanji date fills the line exactly
    EXPECT_TRUE(aligned.starts_with("\x81\x40")); // 　
    window->Commands().editUndo->trigger();
    EXPECT_EQ(date, editor.Lines().Get(0));
}

TEST_F(MainWindowTest, RememberedCaretPlaceCanBeJumpedToUntilTheDocumentCloses) {
    auto window = Start();
    TEditor& editor = *window->Editor1;
    editor.SetSelText("abc\r\ndef");
    editor.SetSelStart(2);
    EXPECT_FALSE(window->Commands().posJump->isEnabled());
    window->Commands().posMemo->trigger();
    editor.SetSelStart(7);
    window->Commands().posJump->trigger();
    EXPECT_EQ(2, editor.SelStart());
    editor.SetModified(false);
    window->DocumentFiles().FileClose();
    EXPECT_FALSE(window->Commands().posJump->isEnabled());
}

TEST_F(MainWindowTest, SearchFromTheBarFindsAndItsHistoryOutlivesTheWindow) {
    {
        auto window = Start();
        window->Editor1->SetSelText("ABCabc");
        window->Editor1->SetSelStart(0);
        window->SearchBars().SetSearchBoxText("bc");
        window->SearchBars().Actions().findNext->trigger();
        EXPECT_EQ(1, window->Editor1->SelStart());
        EXPECT_EQ(2, window->Editor1->SelLength());
        window->Editor1->SetModified(false);
        EXPECT_TRUE(window->close());
    }
    auto window = Start();
    ASSERT_FALSE(window->Search().SearchHistory().Entries().empty());
    EXPECT_EQ("bc", window->Search().SearchHistory().Entries().front());
}

TEST_F(MainWindowTest, OptionsTakenOnOkReachTheEditorAndTheRules) {
    auto window = Start();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TOptionDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, dialog);
        dialog->findChild<QSpinBox*>(QStringLiteral("LineLenSp"))->setValue(12);
        dialog->findChild<QCheckBox*>(QStringLiteral("TitleCb"))->setChecked(true);
        // The marker rule with no marker: the window falls back to rule 0.
        dialog->findChild<TRadioGroup*>(QStringLiteral("TitleRg"))->SetItemIndex(1);
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    window->Commands().option->trigger();
    EXPECT_EQ(24, window->Editor1->WrapOption().WrapByte());
    EXPECT_EQ("1行12字", Utf8(window->PanelText(2)));
    window->Editor1->SetSelText("\x8C\xA9\x8F\x6F\r\n\r\n\x96\x7B\x95\xB6"); // 見出し, empty, 本文
    EXPECT_EQ("全1行", Utf8(window->PanelText(1)));
}

} // namespace
} // namespace mojiro
