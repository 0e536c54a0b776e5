// TDocumentFiles: the document's file and its commands (open, save, save as
// with an automatic name, close, appending and inserting a file, the recent
// files and the favourite folders), without any widget. The main window owns
// one, answers its questions and shows its dialogs through
// DocumentFilesHost, and calls its commands from the menu handlers.
//
// Paths and texts for the window are UTF-8; the document stays CP932.
#pragma once

#include "app/AutoFileName.h"
#include "app/SafeSave.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mojiro {

class SettingsStore;
class TCustomEditor;

// The name of a document that has no file yet.
inline constexpr std::string_view kUntitledName = "名称未設定";
inline constexpr std::string_view kProgramTitle = "Mojiro";

struct OpenChoice {
    std::string path;
    // The dialog's read-only check box as the user left it.
    bool readOnly = false;
};

struct SaveChoice {
    std::string path;
    // The text-file entry (filter index 1) was the chosen filter.
    bool textFilter = true;
};

// What the commands need of the window.
class DocumentFilesHost {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~DocumentFilesHost() = default;

    // A warning box with Yes, No and Cancel.
    virtual Answer AskSaveChanges(const std::string& text) = 0;
    // A confirmation box with OK and Cancel; true for OK.
    virtual bool AskOverwrite(const std::string& text) = 0;
    // A confirmation box with Yes and No (help context 16); true for Yes.
    virtual bool AskCreateFolder(const std::string& text) = 0;

    // The open dialog, starting in `folder`; nothing when cancelled.
    virtual std::optional<OpenChoice> ChooseFileToOpen(const std::string& folder) = 0;
    // The save dialog, starting in `folder` with `fileName` filled in (a
    // bare name, or a path whose folder then wins); nothing when cancelled.
    virtual std::optional<SaveChoice> ChooseFileToSave(const std::string& folder,
                                                       const std::string& fileName) = 0;

    // Warning beep and the text in status panel 5.
    virtual void Warn(const std::string& text) = 0;
    // The standard error message box.
    virtual void ShowError(const std::string& text) = 0;

    // The document got a name or was saved: clear the caption mark and show
    // Caption() and ApplicationTitle().
    virtual void ResetCaption() = 0;
    // The article status computation.
    virtual void RecomputeStatus() = 0;
    // Refresh the caption and the commands for the editor's read-only flag
    // (and give a second pane the same flag).
    virtual void UpdateReadOnlyState() = 0;
    // Forget the remembered caret position's jump.
    virtual void DisableCaretJump() = 0;
};

// Which File menu items are enabled.
struct FileMenuEnabling {
    bool save = false;
    bool saveAs = false;
    bool close = false;
    bool print = false;
    bool merge = false; // appending and inserting a file
};

[[nodiscard]] FileMenuEnabling FileMenuState(const TCustomEditor& editor);

class TDocumentFiles {
public:
    // `editor` is the main editor (its document is shared with a second
    // pane); the store is read for the backup switch and the recent files
    // each time they are used.
    TDocumentFiles(TCustomEditor& editor, SettingsStore& store, DocumentFilesHost& host);

    [[nodiscard]] const std::string& FileName() const { return fileName_; }
    [[nodiscard]] bool Untitled() const { return fileName_ == kUntitledName; }
    // "<path> - Mojiro", or "Mojiro" for an untitled document; the window
    // appends its markers.
    [[nodiscard]] std::string Caption() const;
    // The file name without its folder, or "Mojiro" for an untitled document.
    [[nodiscard]] std::string ApplicationTitle() const;
    [[nodiscard]] bool DirectSaveMode() const { return directSaveMode_; }
    [[nodiscard]] const std::string& OpenFolder() const { return openFolder_; }
    [[nodiscard]] const std::string& SaveFolder() const { return saveFolder_; }

    [[nodiscard]] const AutoNameRules& NameRules() const { return nameRules_; }
    void SetNameRules(const AutoNameRules& rules) { nameRules_ = rules; }
    // Where today's date comes from (tests fix it).
    void SetClock(std::function<CalendarDate()> clock) { clock_ = std::move(clock); }
    // The system calls of saving (tests inject failures).
    void SetFileCalls(FileCalls& calls) { calls_ = &calls; }

    // ---- operations other commands use ---------------------------------
    // Asks to save a changed, non-empty document; true when its text may go.
    [[nodiscard]] bool ConfirmDiscard();
    // Loads the file as the document; false (with a message) when it is
    // missing or cannot be read, and the document is then as it was.
    bool OpenDocument(const std::string& path);
    void SetDocumentName(const std::string& path);
    // The save-as procedure with the automatic name; true when written.
    bool SaveDocumentAs();
    // The name the save dialog proposes (UTF-8); may warn about the title.
    [[nodiscard]] std::string ProposedFileName();

    // ---- File menu -------------------------------------------------------
    void FileOpen();
    // "上書き保存"; true when the text was written.
    bool FileSave();
    bool FileSaveAs() { return SaveDocumentAs(); }
    void FileClose();
    // Appends a chosen file after the last line of the document.
    void FileDocking();
    // Puts a chosen file in place of the pane's selection, or at its caret.
    void FileInsert(TCustomEditor& pane);

    // ---- recent files and favourite folders -----------------------------
    // The item RecentFile<n> (n = 0 to 9) was chosen.
    void OpenRecentFile(int n);
    void OpenFromFavouriteFolder(int n);
    void SaveIntoFavouriteFolder(int n);

private:
    // Writes the whole text to the path; shows the error and returns false
    // when it cannot. A backup that could not be made is reported in
    // backupError for the caller to show last.
    bool WriteDocument(const std::string& path, std::string& backupError);
    // Shows the open dialog and remembers its read-only box.
    std::optional<std::string> ChooseFileToOpen();
    std::optional<std::string> ChooseMergeText();

    TCustomEditor& editor_;
    SettingsStore& store_;
    DocumentFilesHost& host_;
    FileCalls* calls_;
    std::function<CalendarDate()> clock_ = Today;
    AutoNameRules nameRules_;

    std::string fileName_{kUntitledName};
    std::string openFolder_;
    std::string saveFolder_;
    bool openReadOnly_ = false;
    bool directSaveMode_ = false;
};

} // namespace mojiro
