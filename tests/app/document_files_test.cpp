// The document's file commands against a scripted window: opening, saving
// with automatic names and backups, failures that leave the document as it
// was, closing, merging files and the favourite folders.
#include "../editor/FakeHost.h"
#include "FileTestSupport.h"
#include "app/DocumentFiles.h"
#include "app/RecentFiles.h"
#include "editor/CustomEditor.h"
#include "settings/SettingsTable.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace mojiro {
namespace {

using test::Bytes;
using test::Put;
namespace fs = std::filesystem;

// Answers the questions and dialogs as the test says and notes what it saw.
class FakeWindow : public DocumentFilesHost {
public:
    Answer AskSaveChanges(const std::string& text) override {
        questions.push_back(text);
        return saveAnswer;
    }
    bool AskOverwrite(const std::string& text) override {
        questions.push_back(text);
        return overwriteAnswer;
    }
    bool AskCreateFolder(const std::string& text) override {
        questions.push_back(text);
        return createAnswer;
    }
    std::optional<OpenChoice> ChooseFileToOpen(const std::string& folder) override {
        dialogFolder = folder;
        return openChoice;
    }
    std::optional<SaveChoice> ChooseFileToSave(const std::string& folder,
                                               const std::string& fileName) override {
        dialogFolder = folder;
        proposedName = fileName;
        directModeInDialog = files->DirectSaveMode();
        return saveChoice;
    }
    void Warn(const std::string& text) override { panel5 = text; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ResetCaption() override { caption = files->Caption(); }
    void RecomputeStatus() override {}
    void UpdateReadOnlyState() override {}
    void DisableCaretJump() override {}

    TDocumentFiles* files = nullptr;
    Answer saveAnswer = Answer::Cancel;
    bool overwriteAnswer = false;
    bool createAnswer = false;
    std::optional<OpenChoice> openChoice;
    std::optional<SaveChoice> saveChoice;

    std::vector<std::string> questions;
    std::vector<std::string> errors;
    std::string dialogFolder;
    std::string proposedName = "(no dialog)";
    bool directModeInDialog = false;
    std::string panel5;
    std::string caption;
};

class DocumentFiles : public ::testing::Test {
protected:
    DocumentFiles() {
        editor.InitFontMetrics();
        store.Open();
        window.files = &files;
        files.SetClock([] { return CalendarDate{2000, 9, 3}; });
    }

    void Type(std::string_view text) {
        for (const char c : text) {
            editor.KeyChar(static_cast<unsigned char>(c));
        }
    }
    [[nodiscard]] std::string Text() const { return editor.ListInfo().Text(); }
    [[nodiscard]] std::string At(const std::string& name) const { return (folder / name).string(); }
    void ChooseToSave(const std::string& name, bool textFilter = true) {
        window.saveChoice = SaveChoice{At(name), textFilter};
    }
    void ChooseToOpen(const std::string& name, bool readOnly = false) {
        window.openChoice = OpenChoice{At(name), readOnly};
    }

    test::TempFolder folder;
    SettingsStore store{folder / "config" / "Mojiro.ini"};
    test::FakeHost host;
    TCustomEditor editor{host};
    FakeWindow window;
    TDocumentFiles files{editor, store, window};
};

TEST_F(DocumentFiles, ChangedDocumentAsksAndFollowsTheAnswer) {
    Type("abc");
    window.saveAnswer = DocumentFilesHost::Answer::Cancel;
    EXPECT_FALSE(files.ConfirmDiscard());
    EXPECT_EQ("名称未設定が保存されていません。\n保存しますか？", window.questions.at(0));
    window.saveAnswer = DocumentFilesHost::Answer::No;
    EXPECT_TRUE(files.ConfirmDiscard());
    // Yes saves through the dialog; cancelling it keeps the document.
    window.saveAnswer = DocumentFilesHost::Answer::Yes;
    EXPECT_FALSE(files.ConfirmDiscard());
    ChooseToSave("kept.txt");
    EXPECT_TRUE(files.ConfirmDiscard());
    EXPECT_EQ("abc", Bytes(folder / "kept.txt"));
}

TEST_F(DocumentFiles, OpeningNamesTheDocumentAndRemembersIt) {
    Put(folder / "a.txt", "line 1\nline 2\r\n");
    ChooseToOpen("a.txt", /*readOnly=*/true);
    files.FileOpen();
    EXPECT_EQ("line 1\r\nline 2\r\n", Text());
    EXPECT_EQ(At("a.txt"), files.FileName());
    EXPECT_EQ(At("a.txt") + " - Mojiro", window.caption);
    EXPECT_EQ("a.txt", files.ApplicationTitle());
    EXPECT_EQ(At("a.txt"), ReadRecentFiles(store)[0]);
    EXPECT_TRUE(editor.ReadOnly());
    EXPECT_FALSE(editor.Modified());
}

TEST_F(DocumentFiles, FileThatCannotBeReadLeavesTheDocumentAndItsUndoAlone) {
    Type("abc");
    EXPECT_FALSE(files.OpenDocument(At("gone.txt")));
    EXPECT_EQ(At("gone.txt") + "は存在しません", window.panel5);
    fs::create_directory(folder / "dir.txt");
    ASSERT_EQ(0, ::mkfifo(At("pipe.txt").c_str(), 0600));
    for (const char* name : {"dir.txt", "pipe.txt"}) {
        EXPECT_FALSE(files.OpenDocument(At(name)));
        EXPECT_EQ("abc", Text());
        EXPECT_TRUE(editor.Modified());
        EXPECT_TRUE(editor.CanUndo());
        EXPECT_EQ("名称未設定", files.FileName());
    }
    EXPECT_EQ((std::vector<std::string>{
                  "Cannot open file \"" + At("dir.txt") + "\". Is a directory",
                  "Cannot open file \"" + At("pipe.txt") + "\". Not a regular file"}),
              window.errors);
}

TEST_F(DocumentFiles, SaveAsProposesTitleAndDateAndAddsTxt) {
    editor.ListInfo().LoadFromBytes("\x8E\x73\x8B\x63\x89\xEF\x82\xAA\x97\x5C\x8E\x5A\x88\xC4\x89"
                                    "\xC2\x8C\x88" // 市議会が予算案可決
                                    "\r\nbody");
    files.SetNameRules(
        {.enabled = true, .titleIndex = 0, .titleRow = 1, .marker = {}, .dateForm = 1});
    ChooseToSave("0903市議会が予算案可決");
    EXPECT_TRUE(files.SaveDocumentAs());
    EXPECT_EQ("0903市議会が予算案可決", window.proposedName);
    const fs::path written = folder / "0903市議会が予算案可決.txt";
    EXPECT_EQ(written.string(), files.FileName());
    EXPECT_EQ("\x8E\x73\x8B\x63\x89\xEF\x82\xAA\x97\x5C\x8E\x5A\x88\xC4\x89\xC2\x8C\x88\r\nbody",
              Bytes(written));
}

TEST_F(DocumentFiles, OverwriteAsksFirstAndKeepsTheOldTextAsBackup) {
    Put(folder / "a.txt", "old");
    WriteSetting(store, BoolSetting{"File", "BuckupEnable"}, true);
    Type("new");
    ChooseToSave("a.txt");
    EXPECT_FALSE(files.SaveDocumentAs());
    EXPECT_EQ("OK を押すと " + At("a.txt") + " を上書きします", window.questions.at(0));
    EXPECT_EQ("old", Bytes(folder / "a.txt"));
    window.overwriteAnswer = true;
    EXPECT_TRUE(files.SaveDocumentAs());
    EXPECT_EQ("new", Bytes(folder / "a.txt"));
    EXPECT_EQ("old", Bytes(folder / "a.bak"));
}

TEST_F(DocumentFiles, SaveWritesCrLfAndClearsTheChangeMark) {
    Put(folder / "a.txt", "x");
    ASSERT_TRUE(files.OpenDocument(At("a.txt")));
    files.FileSave(); // unchanged: the save-as dialog instead
    EXPECT_EQ(At("a.txt"), window.proposedName);
    editor.KeyEnter();
    window.caption.clear();
    EXPECT_TRUE(files.FileSave());
    EXPECT_EQ("\r\nx", Bytes(folder / "a.txt"));
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(At("a.txt") + " - Mojiro", window.caption);
}

// Fails every write with a full disk.
class FullDisk : public FileCalls {
    ssize_t Write(int, const void*, std::size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

TEST_F(DocumentFiles, FailedSaveShowsTheReasonAndKeepsTheDocumentModified) {
    Put(folder / "a.txt", "old");
    ASSERT_TRUE(files.OpenDocument(At("a.txt")));
    Type("new ");
    FullDisk fullDisk;
    files.SetFileCalls(fullDisk);
    EXPECT_FALSE(files.FileSave());
    EXPECT_EQ((std::vector<std::string>{"Cannot write file \"" + At("a.txt") +
                                        "\". No space left on device"}),
              window.errors);
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ("old", Bytes(folder / "a.txt"));
}

TEST_F(DocumentFiles, MergedFilesStopAtCtrlZ) {
    editor.ListInfo().LoadFromBytes("top\r\n");
    Put(folder / "m.txt", "mid\x1Aignored");
    ChooseToOpen("m.txt");
    files.FileDocking();
    EXPECT_EQ("top\r\nmid\r\n", Text());
    editor.SetRowCol(0, 1);
    files.FileInsert(editor);
    EXPECT_EQ("tmidop\r\nmid\r\n", Text());
}

TEST_F(DocumentFiles, MissingFavouriteSaveFolderIsCreatedAfterTheQuestion) {
    const std::string target = At("new/deeper");
    WriteSetting(store, TextSetting{"Folder", "DirectSave"}, 0, target);
    Type("abc");
    files.SaveIntoFavouriteFolder(0);
    EXPECT_EQ("フォルダ\n" + target + "は存在しません\n作りますか？", window.questions.at(0));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ("(no dialog)", window.proposedName);

    window.createAnswer = true;
    files.SaveIntoFavouriteFolder(0);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(target, window.dialogFolder);
    EXPECT_EQ("名称未設定", window.proposedName);
    EXPECT_TRUE(window.directModeInDialog);
    EXPECT_FALSE(files.DirectSaveMode());
}

} // namespace
} // namespace mojiro
