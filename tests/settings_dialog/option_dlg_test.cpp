// The options dialog on the offscreen platform, driven through its controls
// as the user would, with a settings file of the test's own.
#include "QtTestApp.h"
#include "editor/control/TEditor.h"
#include "settings/SettingsTable.h"
#include "settings/dialog/ColorComboBox.h"
#include "settings/dialog/FixedPitchFonts.h"
#include "settings/dialog/LineMargin.h"
#include "settings/dialog/OptionDlg.h"
#include "settings/dialog/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <unistd.h>

namespace mojiro {
namespace {

namespace fs = std::filesystem;

// Closes the message box that is about to come up and keeps its text; gives
// up after about two seconds.
void CloseNextMessageBox(QString* text, int tries = 200) {
    QTimer::singleShot(10, [text, tries] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->close();
        } else if (tries > 0) {
            CloseNextMessageBox(text, tries - 1);
        }
    });
}

std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OptionDlgTest : public ::testing::Test {
protected:
    OptionDlgTest()
        : folder_(fs::temp_directory_path() /
                  ("mojiro-options-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          store_(folder_ / "Mojiro.ini") {
        fs::remove_all(folder_);
        store_.Open();
        prop_.SetDesignValues();
    }
    ~OptionDlgTest() override {
        dialog_.reset();
        store_.Close();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    TOptionDlg& Open() {
        dialog_ = std::make_unique<TOptionDlg>(
            nullptr, store_, prop_, brackets_, values_, [this](int context) { help_ = context; },
            [](const std::string& format) { return "<" + format + ">"; });
        dialog_->show();
        return *dialog_;
    }

    template <typename T> T* Find(const char* name) {
        T* widget = dialog_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Brings the page of the widget to the front, as the user would.
    void ShowPage(QWidget* widget) {
        auto* pages = Find<QTabWidget>("PageControl");
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(widget)) {
                pages->setCurrentIndex(i);
            }
        }
        QApplication::processEvents();
    }
    void Click(const char* name) {
        auto* button = Find<QAbstractButton>(name);
        ShowPage(button);
        // Near the left edge: a check box or radio button takes clicks only
        // on its indicator and its text, not on the rest of its cell.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void ChooseItem(const char* radioGroup, int item) {
        auto* button = Find<TRadioGroup>(radioGroup)->Button(item);
        ShowPage(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void ChooseColor(const char* picker, TColor color) {
        auto* combo = Find<TColorComboBox>(picker);
        const int index = combo->findData(QVariant(static_cast<qlonglong>(color)));
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Type(const char* edit, const QString& text) {
        // Typed as a whole: key events carry no Japanese text.
        auto* line = Find<QLineEdit>(edit);
        ShowPage(line);
        line->setText(text);
    }

    fs::path folder_;
    SettingsStore store_;
    TEditorProp prop_;
    TEditorBracketCollection brackets_;
    TOptionDlgValues values_;
    std::unique_ptr<TOptionDlg> dialog_;
    int help_ = 0;
};

TEST(LineMarginTest, RoundsTheFractionOfTheFontSizeHalfToEven) {
    TEditor editor;
    TEditorFont font = editor.Font();
    font.size = 10;
    editor.SetFont(font);
    ApplyLineMargin(editor, 1);
    EXPECT_EQ(editor.Margin().Line(), 2); // 2.5
    ApplyLineMargin(editor, 6);
    EXPECT_EQ(editor.Margin().Line(), 10);
    font.size = 9;
    editor.SetFont(font);
    ApplyLineMargin(editor, 3);
    EXPECT_EQ(editor.Margin().Line(), 4); // 4.5
    ApplyLineMargin(editor, 2);
    EXPECT_EQ(editor.Margin().Line(), 3); // 2.99997
}

TEST(ColorComboBoxTest, KeepsOneCustomEntryForColoursWithoutAName) {
    TColorComboBox picker;
    const int named = picker.count();
    picker.SetValue(clActiveCaption);
    EXPECT_EQ(picker.Value(), clActiveCaption);
    EXPECT_EQ(picker.count(), named);
    picker.SetValue(0x123456);
    EXPECT_EQ(picker.Value(), 0x123456U);
    picker.SetValue(0x654321);
    EXPECT_EQ(picker.Value(), 0x654321U);
    EXPECT_EQ(picker.count(), named + 1);
}

TEST(FixedPitchFamiliesTest, ListsMonospacedAndDualWidthFamiliesOnly) {
    const QStringList families = FixedPitchFamilies();
    EXPECT_TRUE(families.contains(QStringLiteral("IPAGothic")))
        << families.join(u',').toStdString();
    EXPECT_TRUE(families.contains(QStringLiteral("DejaVu Sans Mono")));
    EXPECT_FALSE(families.contains(QStringLiteral("IPAPGothic")));
    EXPECT_FALSE(families.contains(QStringLiteral("DejaVu Sans")));
    QStringList sorted = families;
    sorted.sort();
    EXPECT_EQ(families, sorted);
}

TEST_F(OptionDlgTest, OpeningFillsTheControlsFromTheWindowAndTheStore) {
    values_.lineLength = 40;
    prop_.WrapOption().SetWrapByte(81);
    values_.myLineLen3 = 24;
    values_.titleAble = true;
    values_.titleIndex = 1;
    values_.titleTopLetter = "\x81\x9F"; // ◆
    values_.titleEnable = true;
    values_.titleEnableIndex = 1;
    prop_.Caret().SetTabSpaceCount(4);
    WriteSetting(store_, TextSetting{"Folder", "DirectOpen"}, 0, "/news");
    WriteSetting(store_, TextSetting{"Folder", "DirectOpen"}, 3, "/sport");
    WriteSetting(store_, BoolSetting{"File", "Shousai"}, true);
    WriteSetting(store_, TextSetting{"File", "RecentFile"}, 1, "/news/a.txt");
    WriteSetting(store_, TextSetting{"Option", "TodayLetter"}, "yyyy");
    Open();

    EXPECT_EQ(Find<QSpinBox>("LineLenSp")->value(), 40);
    EXPECT_EQ(dialog_->SmpEditor().WrapOption().WrapByte(), 81);
    EXPECT_EQ(Find<QSpinBox>("MyLineLenSp3")->value(), 24);
    EXPECT_EQ(Find<QLineEdit>("TitleTopLetterEdit")->text(), QString::fromUtf8("◆"));
    EXPECT_TRUE(Find<QLineEdit>("TitleTopLetterEdit")->isEnabled());
    EXPECT_FALSE(Find<TRadioGroup>("EndRg")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>("FileNameLetterEdit")->isEnabled());
    EXPECT_FALSE(Find<QSpinBox>("TitleGyoumeSp")->isEnabled());
    EXPECT_EQ(Find<TRadioGroup>("TabRg")->ItemIndex(), 1);
    EXPECT_EQ(Find<QPlainTextEdit>("PuncMemo")->toPlainText(), QString::fromUtf8("、。，．,.｡､"));
    EXPECT_EQ(Find<QListWidget>("DLb1")->count(), 2);
    EXPECT_EQ(Find<QListWidget>("DLb1")->item(1)->text(), QStringLiteral("/sport"));
    EXPECT_EQ(Find<TRadioGroup>("FileOpenStyleRg")->ItemIndex(), 1);
    EXPECT_TRUE(Find<QPushButton>("RecentFileClearBtn")->isEnabled());
    EXPECT_EQ(Find<QLabel>("TodayLabel")->text(), QString::fromUtf8("実際の表示例: <yyyy>"));
    EXPECT_FALSE(Find<QLineEdit>("TodayEdit")->isEnabled());
    EXPECT_EQ(Find<QComboBox>("MarkCB")->currentIndex(), 0);
    EXPECT_EQ(Find<TColorComboBox>("MarkColorCcb")->Value(), clActiveCaption);
    // The design font "ＭＳ ゴシック" is no installed family: nothing chosen,
    // the size still shown.
    EXPECT_EQ(Find<QListWidget>("FontLb")->currentItem(), nullptr);
    EXPECT_EQ(Find<QSpinBox>("FontSizeSp")->value(), 10);
}

TEST_F(OptionDlgTest, AcceptingHandsBackTheChangedValues) {
    Open();
    Find<QSpinBox>("LineLenSp")->setValue(30);
    ChooseItem("LineMarginRg", 6);
    Find<QComboBox>("MarkCB")->setCurrentIndex(3); // the tab mark
    Click("MarkVisibleCb");
    Find<QComboBox>("MarkCB")->setCurrentIndex(2); // the full-width-space mark
    ChooseColor("MarkColorCcb", 0x0000FF);
    Click("TitleCb");
    ChooseItem("TitleRg", 1);
    ChooseItem("CursorRg", 1);
    ChooseItem("IMERg", 1);
    ChooseItem("TabRg", 1);
    Click("KinsokuCb");
    Click("OKBtn");

    ASSERT_EQ(dialog_->result(), QDialog::Accepted);
    const TOptionDlgValues v = dialog_->Values();
    EXPECT_EQ(v.lineLength, 30);
    EXPECT_EQ(v.lineMargin, 6);
    EXPECT_FALSE(v.tab);
    EXPECT_TRUE(v.space);
    EXPECT_EQ(v.spaceColor, 0x0000FFU);
    // An empty marker is the window's to drop.
    EXPECT_TRUE(v.titleAble);
    EXPECT_EQ(v.titleIndex, 1);
    EXPECT_EQ(v.titleTopLetter, "");
    EXPECT_EQ(v.caretStyle, TEditorCaretStyle::csBrief);
    EXPECT_FALSE(v.imeHiragana);

    TEditorProp result;
    dialog_->AssignPropTo(result);
    EXPECT_EQ(result.WrapOption().WrapByte(), 60);
    EXPECT_EQ(result.Margin().Line(), 10);
    EXPECT_EQ(result.Caret().TabSpaceCount(), 4);
    EXPECT_EQ(result.Caret().Style(), TEditorCaretStyle::csBrief);
    EXPECT_FALSE(result.WrapOption().Leading());
    EXPECT_EQ(result.WrapOption().FollowStr(), prop_.WrapOption().FollowStr());
    EXPECT_FALSE(ReadSetting(store_, BoolSetting{"Option", "IMEMode"}));
}

TEST_F(OptionDlgTest, ResetButtonsRestoreTheNewspaperSets) {
    prop_.WrapOption().SetFollowStr("");
    prop_.WrapOption().SetLeadStr("");
    prop_.WrapOption().SetPunctuationStr("");
    Open();
    Click("KinsokuShokikaBtn");
    Click("PuncShokikaBtn");
    EXPECT_EQ(Find<QPlainTextEdit>("PuncMemo")->toPlainText(), QString::fromUtf8(",.｡､、。，．"));

    TEditorProp result;
    dialog_->AssignPropTo(result);
    TEditorWrapOption defaults;
    ApplyWindowDefaults(defaults);
    EXPECT_EQ(result.WrapOption().FollowStr(), defaults.FollowStr());
    EXPECT_EQ(result.WrapOption().LeadStr(), defaults.LeadStr());
}

TEST_F(OptionDlgTest, KindsSameAsStandardFollowTheStandardUntilUnchecked) {
    Open();
    ChooseColor("ColorCcb", 0x0000FF); // standard text colour
    auto* kinds = Find<QComboBox>("ColorStyleCb");
    kinds->setCurrentIndex(4); // 数値
    EXPECT_TRUE(Find<QCheckBox>("SameCb")->isChecked());
    EXPECT_FALSE(Find<TColorComboBox>("ColorCcb")->isEnabled());
    Click("SameCb");
    EXPECT_TRUE(Find<TColorComboBox>("ColorCcb")->isEnabled());
    kinds->setCurrentIndex(0);
    ChooseColor("ColorCcb", 0x008000);
    Click("BoldCb");
    Click("OKBtn");

    TEditorProp result;
    dialog_->AssignPropTo(result);
    const TEditorColors& colors = result.View().Colors();
    EXPECT_EQ(result.Font().color, 0x008000U);
    EXPECT_EQ(colors.DBCS().Color(), 0x008000U);
    EXPECT_EQ(colors.Url().Style(), fsBold);
    EXPECT_EQ(colors.Int().Color(), 0x0000FFU);
    EXPECT_EQ(colors.Int().Style(), 0);
    // The selection has colours of its own, so it never followed.
    EXPECT_EQ(colors.Select().Color(), prop_.View().Colors().Select().Color());
}

TEST_F(OptionDlgTest, CheckingSameAsStandardAgainCopiesTheStandard) {
    prop_.View().Colors().Int().SetColor(0x0000FF);
    Open();
    auto* kinds = Find<QComboBox>("ColorStyleCb");
    kinds->setCurrentIndex(4); // 数値
    EXPECT_FALSE(Find<QCheckBox>("SameCb")->isChecked());
    EXPECT_EQ(Find<TColorComboBox>("ColorCcb")->Value(), 0x0000FFU);
    Click("SameCb");
    EXPECT_EQ(Find<TColorComboBox>("ColorCcb")->Value(), clWindowText);
    EXPECT_EQ(dialog_->SmpEditor().View().Colors().Int().Color(), clWindowText);
}

TEST_F(OptionDlgTest, FolderListTakesTenEntriesAndOkStoresThem) {
    Open();
    for (int n = 0; n < 10; ++n) {
        Type("DEdit1", QStringLiteral("/f%1").arg(n));
        Click("DNewBt1");
    }
    EXPECT_EQ(Find<QListWidget>("DLb1")->count(), 10);
    EXPECT_FALSE(Find<QPushButton>("DNewBt1")->isEnabled());
    Find<QListWidget>("DLb1")->setCurrentRow(0);
    Click("DDownBt1");
    EXPECT_EQ(Find<QListWidget>("DLb1")->item(1)->text(), QStringLiteral("/f0"));
    EXPECT_EQ(Find<QListWidget>("DLb1")->currentRow(), 1);
    Click("DDelBt1");
    Type("DEdit2", QStringLiteral("/out"));
    Click("DNewBt2");
    Click("OKBtn");

    EXPECT_EQ(ReadSetting(store_, TextSetting{"Folder", "DirectOpen"}, 0), "/f1");
    EXPECT_EQ(ReadSetting(store_, TextSetting{"Folder", "DirectOpen"}, 8), "/f9");
    EXPECT_EQ(ReadSetting(store_, TextSetting{"Folder", "DirectOpen"}, 9), "");
    EXPECT_EQ(ReadSetting(store_, TextSetting{"Folder", "DirectSave"}, 0), "/out");
}

TEST_F(OptionDlgTest, NewFolderGoesBeforeTheSelectedEntry) {
    WriteSetting(store_, TextSetting{"Folder", "DirectSave"}, 0, "/a");
    WriteSetting(store_, TextSetting{"Folder", "DirectSave"}, 1, "/c");
    Open();
    auto* list = Find<QListWidget>("DLb2");
    list->setCurrentRow(1);
    Type("DEdit2", QStringLiteral("/b"));
    Click("DNewBt2");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("/b"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("/c"));

    list->setCurrentRow(0);
    Type("DEdit2", QStringLiteral("/a"));
    EXPECT_FALSE(Find<QPushButton>("DChangeBt2")->isEnabled()); // nothing to change
    Type("DEdit2", QStringLiteral("/z"));
    Click("DChangeBt2");
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("/z"));
}

TEST_F(OptionDlgTest, OkThatCannotStoreKeepsTheDialogOpen) {
    Open();
    // The store's folder becomes a file: no write can succeed.
    fs::remove_all(folder_);
    std::ofstream(folder_) << "not a folder";
    QString message;
    CloseNextMessageBox(&message);
    Click("OKBtn");

    EXPECT_FALSE(message.isEmpty());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_NE(dialog_->result(), QDialog::Accepted);
    fs::remove(folder_);
}

TEST_F(OptionDlgTest, CancelStoresNothingButTheRecentFilesStayCleared) {
    WriteSetting(store_, TextSetting{"File", "RecentFile"}, 1, "/news/a.txt");
    WriteSetting(store_, TextSetting{"File", "RecentFile"}, 2, "/news/b.txt");
    Open();
    Click("RecentFileClearBtn");
    EXPECT_FALSE(Find<QPushButton>("RecentFileClearBtn")->isEnabled());
    const std::string before = FileBytes(store_.FilePath());
    Type("DEdit1", QStringLiteral("/news"));
    Click("DNewBt1");
    Click("BuckUpCb");
    Type("TodayEdit", QStringLiteral("yy"));
    Click("CancelBtn");

    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(FileBytes(store_.FilePath()), before);
    EXPECT_EQ(ReadSetting(store_, TextSetting{"File", "RecentFile"}, 1), "");
    EXPECT_EQ(ReadSetting(store_, TextSetting{"File", "RecentFile"}, 2), "");
}

TEST_F(OptionDlgTest, NewPairJoinsTheListAndThePreview) {
    Open();
    Type("BLEdit", QString::fromUtf8("「"));
    EXPECT_FALSE(Find<QPushButton>("BNewBtn")->isEnabled());
    Type("BREdit", QString::fromUtf8("」"));
    Click("BBoldCb");
    Click("BNewBtn");

    const TEditorBracketCollection& list = dialog_->Brackets();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0).LeftBracket(), "\x81\x75"); // 「
    EXPECT_EQ(list.Items(0).ItemColor().Color(), clActiveCaption);
    EXPECT_EQ(list.Items(0).ItemColor().BkColor(), clWindow);
    EXPECT_EQ(list.Items(0).ItemColor().Style(), fsBold);
    EXPECT_EQ(Find<QListWidget>("BLb")->item(0)->text(), QString::fromUtf8("「 … 」"));
    EXPECT_EQ(dialog_->BEditor().Lines().Count(), 1);
    EXPECT_EQ(dialog_->BEditor().Lines().Get(0), "\x81\x75Mojiro\x81\x76"); // 「Mojiro」
    EXPECT_TRUE(Find<QPushButton>("BSaveBtn")->isEnabled());
}

TEST_F(OptionDlgTest, FifteenthPairIsRefusedWithTheListsMessage) {
    for (int i = 0; i < 14; ++i) {
        brackets_.Add().SetLeftBracket(std::string(1, static_cast<char>('a' + i)));
    }
    Open();
    Type("BLEdit", QStringLiteral("("));
    Type("BREdit", QStringLiteral(")"));
    QString message;
    CloseNextMessageBox(&message);
    Click("BNewBtn");

    EXPECT_EQ(message, QStringLiteral("TEditorBracketCollection\r\nYou can not add item over 14"));
    EXPECT_EQ(dialog_->Brackets().Count(), 14);
    EXPECT_EQ(Find<QListWidget>("BLb")->count(), 14);
}

TEST_F(OptionDlgTest, HelpOpensAtThePagesContext) {
    Open();
    Find<QTabWidget>("PageControl")->setCurrentIndex(2);
    Click("HelpBtn");
    EXPECT_EQ(help_, 34);
}

} // namespace
} // namespace mojiro
