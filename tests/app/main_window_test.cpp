// The main window as a new user meets it: a fresh start, opening an article,
// typing, saving and starting again, on the offscreen platform with the
// settings store in a folder of the test's own.
#include "FileTestSupport.h"
#include "MainWindowFixture.h"
#include "app/CoolBar.h"
#include "app/LogoAppForm.h"
#include "app/RecentFiles.h"
#include "editor/control/TEditor.h"
#include "settings/SettingsTable.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace mojiro {
namespace {

TEST_F(MainWindowTest, FreshStartShowsTitleLineLengthAndInsertMode) {
    auto window = Start();
    EXPECT_EQ("Mojiro", Utf8(window->windowTitle()));
    EXPECT_EQ("1行40字", Utf8(window->PanelText(2)));
    EXPECT_EQ("挿入", Utf8(window->PanelText(3)));
    EXPECT_EQ("1行12字(&1)", Utf8(window->LineLengthItem(1)->text()));
    EXPECT_EQ("1行40字(&2)", Utf8(window->LineLengthItem(2)->text()));
    EXPECT_EQ("1行36字(&3)", Utf8(window->LineLengthItem(3)->text()));
    EXPECT_EQ(QRect(10, 10, 650, 400), window->geometry());
    EXPECT_EQ(TImeMode::imHira, window->Editor1->ImeMode());
}

TEST_F(MainWindowTest, OpenTypeAndSaveKeepsCp932BytesWithCrLf) {
    const std::string article = "\x8B\x4C\x8E\xD2\r\n"  // 記者
                                "\x82\xA0\x82\xA2\r\n"; // あい
    const auto path = folder_ / "article.txt";
    test::Put(path, article);
    auto window = Start({path.string()});
    const std::string named = path.string() + " - Mojiro";
    EXPECT_EQ(named, Utf8(window->windowTitle()));

    Press(window->Editor1, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(named + "（更新）", Utf8(window->windowTitle()));
    Press(window->Editor1, 0, Qt::NoModifier, QString::fromUtf8("う"));
    EXPECT_EQ(named + "（更新）", Utf8(window->windowTitle()));

    ASSERT_TRUE(window->DocumentFiles().FileSave());
    EXPECT_EQ("a\x82\xA4" + article, test::Bytes(path)); // aう
    EXPECT_EQ(named, Utf8(window->windowTitle()));
}

TEST_F(MainWindowTest, PlaceAndRecentFilesComeBackAfterRestart) {
    const auto path = folder_ / "old.txt";
    test::Put(path, "x\r\n");
    {
        auto window = Start({path.string()});
        window->setGeometry(100, 120, 700, 500);
        EXPECT_TRUE(window->close());
    }
    auto window = Start();
    EXPECT_EQ(QRect(100, 120, 700, 500), window->geometry());
    bool recentShown = false;
    for (const QAction* action : window->findChildren<QAction*>()) {
        recentShown |= Utf8(action->text()) == path.string() + " (&1)";
    }
    EXPECT_TRUE(recentShown);
}

TEST_F(MainWindowTest, ClosingWritesBackTheHistoriesAndRulesItRead) {
    {
        SettingsStore store(DefaultSettingsPath());
        store.Open();
        WriteSetting(store, TextSetting{"Search", "SearchLetter"}, 0, "abc");
        WriteSetting(store, TextSetting{"Search", "ReplaceLetter"}, 0, "xyz");
        WriteSetting(store, TextSetting{"Option", "TitleTopLetter"}, "\x81\x9A"); // ★
    }
    auto window = Start();
    EXPECT_TRUE(window->close());
    EXPECT_EQ("abc", Stored("Search", "SearchLetter0"));
    EXPECT_EQ("xyz", Stored("Search", "ReplaceLetter0"));
    EXPECT_EQ("\x81\x9A", Stored("Option", "TitleTopLetter"));
}

TEST_F(MainWindowTest, StoredOptionsTakeEffectAtStart) {
    {
        SettingsStore store(DefaultSettingsPath());
        store.Open();
        WriteSetting(store, IntegerSetting{"Option", "MyLineLen1"}, 15);
        WriteSetting(store, IntegerSetting{"Option", "MyLineLen2"}, 900); // damaged
        WriteSetting(store, BoolSetting{"Option", "IMEMode"}, false);
    }
    auto window = Start();
    EXPECT_EQ("1行15字(&1)", Utf8(window->LineLengthItem(1)->text()));
    EXPECT_EQ(TImeMode::imDontCare, window->Editor1->ImeMode());
    window->LineLengthItem(1)->trigger();
    EXPECT_EQ(30, window->Editor1->WrapOption().WrapByte());
    window->LineLengthItem(2)->trigger();
    EXPECT_EQ("1行125字", Utf8(window->PanelText(2)));
}

TEST_F(MainWindowTest, StartupDocumentOpensOnlyWhenNoFileIsNamed) {
    const auto startup = folder_ / "startup.txt";
    const auto named = folder_ / "named.txt";
    test::Put(startup, "s\r\n");
    test::Put(named, "n\r\n");
    {
        SettingsStore store(DefaultSettingsPath());
        store.Open();
        WriteSetting(store, BoolSetting{"File", "InitialLoadEnable"}, true);
        WriteSetting(store, TextSetting{"File", "InitialLoadFile"}, startup.string());
    }
    EXPECT_EQ(startup.string(), Start()->DocumentFiles().FileName());
    EXPECT_EQ(named.string(), Start({named.string()})->DocumentFiles().FileName());
}

TEST_F(MainWindowTest, MissingStartupDocumentLeavesAnUntitledDocumentAndSaysSo) {
    const auto missing = folder_ / "gone.txt";
    {
        SettingsStore store(DefaultSettingsPath());
        store.Open();
        WriteSetting(store, BoolSetting{"File", "InitialLoadEnable"}, true);
        WriteSetting(store, TextSetting{"File", "InitialLoadFile"}, missing.string());
    }
    auto window = Start();
    EXPECT_TRUE(window->DocumentFiles().Untitled());
    EXPECT_EQ(missing.string() + "は存在しません", Utf8(window->PanelText(5)));
}

TEST_F(MainWindowTest, ToolBarArrangementComesBackAfterRestart) {
    {
        auto window = Start();
        window->Commands().viewCoolBar[1]->trigger(); // hide the edit bar
        EXPECT_TRUE(window->close());
    }
    auto window = Start();
    EXPECT_FALSE(window->CoolBar().BandVisible(1));
    EXPECT_FALSE(window->Commands().viewCoolBar[1]->isChecked());
    EXPECT_TRUE(window->CoolBar().BandVisible(0));
    const TCoolBarBands bands = window->CoolBar().Capture();
    for (int n = 0; n < kCoolBarBandCount; ++n) {
        EXPECT_EQ(n, bands[n].id);
    }
}

TEST_F(MainWindowTest, CancellingTheSaveQuestionKeepsTheWindowAndWritesNothing) {
    auto window = Start();
    Press(window->Editor1, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = true;
            box->button(QMessageBox::Cancel)->click();
        }
    });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(asked);
    EXPECT_TRUE(window->Editor1->Modified());
    EXPECT_EQ("<absent>", Stored("Locate", "Top"));
}

TEST_F(MainWindowTest, FileDroppedOnAnEmptyWindowOpensThere) {
    const auto path = folder_ / "dropped.txt";
    test::Put(path, "\x82\xA0\r\n"); // あ
    auto window = Start();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: without a drag in progress the application
    // would not route a drop at all.
    static_cast<QObject*>(window.get())->event(&drop);
    EXPECT_EQ(path.string() + " - Mojiro", Utf8(window->windowTitle()));
    EXPECT_EQ(4, window->Editor1->TextLength());
}

TEST_F(MainWindowTest, LineLengthPresetRefoldsAndNamesTheLength) {
    auto window = Start();
    window->LineLengthItem(1)->trigger();
    EXPECT_EQ(24, window->Editor1->WrapOption().WrapByte());
    EXPECT_EQ("1行12字", Utf8(window->PanelText(2)));
    window->LineLengthItem(3)->trigger();
    EXPECT_EQ(72, window->Editor1->WrapOption().WrapByte());
    EXPECT_EQ("1行36字", Utf8(window->PanelText(2)));
}

TEST_F(MainWindowTest, InsertKeyTogglesOverwriteOnlyWithoutModifiers) {
    auto window = Start();
    Press(window->Editor1, Qt::Key_Insert);
    EXPECT_TRUE(window->Editor1->Overwrite());
    EXPECT_EQ("上書き", Utf8(window->PanelText(3)));
    Press(window->Editor1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_TRUE(window->Editor1->Overwrite());
    Press(window->Editor1, Qt::Key_Insert);
    EXPECT_EQ("挿入", Utf8(window->PanelText(3)));
}

TEST_F(MainWindowTest, ReadOnlyModeMarksTheCaption) {
    auto window = Start();
    window->OptionReadOnlyItemClick();
    EXPECT_EQ("Mojiro（読み取り専用）", Utf8(window->windowTitle()));
    window->OptionReadOnlyItemClick();
    EXPECT_EQ("Mojiro", Utf8(window->windowTitle()));
}

} // namespace
} // namespace mojiro
