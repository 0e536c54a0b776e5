#include "app/DocumentFiles.h"

#include "app/FavouriteFolders.h"
#include "app/RecentFiles.h"
#include "app/TextFileInput.h"
#include "editor/CustomEditor.h"
#include "platform/Cp932Codec.h"
#include "settings/SettingsTable.h"

#include <filesystem>
#include <system_error>

namespace mojiro {

namespace fs = std::filesystem;

// Texts for the window are UTF-8, written as such in the source. A line
// break inside a message box text is one "\n".
namespace {

std::string FileNamePart(const std::string& path) {
    return fs::path(path).filename().string();
}

std::string FolderPart(const std::string& path) {
    return fs::path(path).parent_path().string();
}

std::string MissingFileMessage(const std::string& path) {
    return path + "は存在しません";
}

std::string SaveChangesQuestion(const std::string& fileName) {
    return FileNamePart(fileName) + "が保存されていません。\n保存しますか？";
}

std::string OverwriteQuestion(const std::string& path) {
    return "OK を押すと " + path + " を上書きします";
}

std::string BackupFailedMessage(const std::string& reason) {
    return "バックアップを作成できませんでした（" + reason + "）";
}

} // namespace

FileMenuEnabling FileMenuState(const TCustomEditor& editor) {
    const bool hasText = editor.TextLength() > 0;
    FileMenuEnabling state;
    state.save = editor.Modified() && hasText;
    state.saveAs = hasText;
    state.close = hasText;
    state.print = hasText;
    state.merge = !editor.ReadOnly();
    return state;
}

TDocumentFiles::TDocumentFiles(TCustomEditor& editor, SettingsStore& store, DocumentFilesHost& host)
    : editor_(editor), store_(store), host_(host), calls_(&SystemFileCalls()) {}

std::string TDocumentFiles::Caption() const {
    return Untitled() ? std::string(kProgramTitle) : fileName_ + " - " + std::string(kProgramTitle);
}

std::string TDocumentFiles::ApplicationTitle() const {
    return Untitled() ? std::string(kProgramTitle) : FileNamePart(fileName_);
}

bool TDocumentFiles::ConfirmDiscard() {
    if (editor_.TextLength() == 0 || !editor_.Modified()) {
        return true;
    }
    switch (host_.AskSaveChanges(SaveChangesQuestion(fileName_))) {
    case DocumentFilesHost::Answer::Yes:
        // Always with the dialog, also for a document that has a name.
        return SaveDocumentAs();
    case DocumentFilesHost::Answer::No:
        return true;
    case DocumentFilesHost::Answer::Cancel:
        break;
    }
    return false;
}

bool TDocumentFiles::OpenDocument(const std::string& path) {
    std::error_code error;
    // A path whose state cannot be learnt (a folder on the way that may not
    // be read) is no missing file: reading it reports why.
    if (path.empty() || (!fs::exists(path, error) && !error)) {
        host_.Warn(MissingFileMessage(path));
        return false;
    }
    try {
        RequireRegularFile(path);
        // The loader reads the whole file before it replaces the text, so a
        // failure leaves the document and its undo history as they were.
        editor_.Lines().LoadFromFile(path);
    } catch (const FileError& e) {
        host_.ShowError(e.what());
        return false;
    }
    SetDocumentName(path);
    editor_.SetReadOnly(openReadOnly_);
    host_.UpdateReadOnlyState();
    host_.DisableCaretJump();
    host_.RecomputeStatus();
    return true;
}

void TDocumentFiles::SetDocumentName(const std::string& path) {
    fileName_ = path;
    openFolder_ = FolderPart(path);
    saveFolder_ = openFolder_;
    editor_.SetModified(false);
    host_.ResetCaption();
    try {
        AddRecentFile(store_, path);
    } catch (const SettingsError& e) {
        // The document is named and saved all the same.
        host_.ShowError(Cp932ToUtf8(e.what()));
    }
}

std::string TDocumentFiles::ProposedFileName() {
    if (!nameRules_.enabled) {
        return fileName_;
    }
    const AutoName name =
        MakeAutoName(FindTitle(editor_, nameRules_), nameRules_.dateForm, clock_());
    if (name.forbidden) {
        host_.Warn(std::string(kForbiddenCharacterMessage));
    }
    if (name.name.empty()) {
        return fileName_;
    }
    const fs::path folder = Untitled() ? fs::path() : fs::path(FolderPart(fileName_));
    return (folder / Cp932ToUtf8(name.name)).string();
}

bool TDocumentFiles::SaveDocumentAs() {
    const std::string proposal = ProposedFileName();
    // From a favourite folder the dialog starts there, so only the name goes in.
    const std::optional<SaveChoice> choice =
        host_.ChooseFileToSave(saveFolder_, directSaveMode_ ? FileNamePart(proposal) : proposal);
    if (!choice || choice->path.empty()) {
        return false;
    }
    std::string path = choice->path;
    if (choice->textFilter && !fs::path(path).has_extension()) {
        path += ".txt";
    }
    std::error_code error;
    if (fs::exists(path, error) && !host_.AskOverwrite(OverwriteQuestion(path))) {
        return false;
    }
    std::string backupError;
    if (!WriteDocument(path, backupError)) {
        return false;
    }
    SetDocumentName(path);
    if (!backupError.empty()) {
        host_.Warn(BackupFailedMessage(backupError));
    }
    return true;
}

bool TDocumentFiles::WriteDocument(const std::string& path, std::string& backupError) {
    bool backup = false;
    try {
        backup = ReadSetting(store_, BoolSetting{"File", "BuckupEnable"});
    } catch (const SettingsError& e) {
        // A damaged settings store must not stop the article from being saved.
        backupError = Cp932ToUtf8(e.what());
    }
    try {
        const SaveOutcome outcome = SaveFileSafely(
            path, [this](const ByteSink& sink) { editor_.ListInfo().WriteText(sink); },
            backup ? BackupMode::KeepPrevious : BackupMode::None, *calls_);
        if (!outcome.backupError.empty()) {
            backupError = outcome.backupError;
        }
        return true;
    } catch (const FileError& e) {
        // The document keeps its name and stays modified.
        host_.ShowError(e.what());
        return false;
    }
}

void TDocumentFiles::FileOpen() {
    if (!ConfirmDiscard()) {
        return;
    }
    if (const auto path = ChooseFileToOpen()) {
        OpenDocument(*path);
    }
}

bool TDocumentFiles::FileSave() {
    if (!editor_.Modified() || Untitled()) {
        return SaveDocumentAs();
    }
    std::string backupError;
    if (!WriteDocument(fileName_, backupError)) {
        return false;
    }
    editor_.SetModified(false);
    host_.ResetCaption();
    host_.RecomputeStatus();
    // After the status, which rewrites panel 5.
    if (!backupError.empty()) {
        host_.Warn(BackupFailedMessage(backupError));
    }
    return true;
}

void TDocumentFiles::FileClose() {
    if (!ConfirmDiscard()) {
        return;
    }
    fileName_ = kUntitledName;
    editor_.Clear();
    editor_.SetModified(false);
    host_.ResetCaption();
    if (editor_.ReadOnly()) {
        editor_.SetReadOnly(false);
    }
    host_.DisableCaretJump();
    host_.UpdateReadOnlyState();
}

std::optional<std::string> TDocumentFiles::ChooseFileToOpen() {
    const std::optional<OpenChoice> choice = host_.ChooseFileToOpen(openFolder_);
    if (!choice) {
        return std::nullopt;
    }
    openReadOnly_ = choice->readOnly;
    return choice->path;
}

std::optional<std::string> TDocumentFiles::ChooseMergeText() {
    const std::optional<std::string> path = ChooseFileToOpen();
    if (!path) {
        return std::nullopt;
    }
    try {
        return ReadMergeText(*path);
    } catch (const FileError& e) {
        host_.ShowError(e.what());
        return std::nullopt;
    }
}

void TDocumentFiles::FileDocking() {
    if (editor_.ReadOnly()) {
        return;
    }
    const std::optional<std::string> text = ChooseMergeText();
    // An empty file adds nothing, not an empty line.
    if (text && !text->empty()) {
        editor_.Lines().Add(*text);
    }
}

void TDocumentFiles::FileInsert(TCustomEditor& pane) {
    if (pane.ReadOnly()) {
        return;
    }
    if (const std::optional<std::string> text = ChooseMergeText()) {
        pane.SetSelText(*text);
    }
}

void TDocumentFiles::OpenRecentFile(int n) {
    if (!ConfirmDiscard()) {
        return;
    }
    OpenDocument(Cp932ToUtf8(ReadSetting(store_, TextSetting{"File", "RecentFile"}, n)));
}

void TDocumentFiles::OpenFromFavouriteFolder(int n) {
    if (!ConfirmDiscard()) {
        return;
    }
    const std::string remembered = openFolder_;
    const std::string folder = FavouriteFolder(store_, FolderUse::Open, n);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        host_.Warn(MissingFolderMessage(folder));
        return;
    }
    openFolder_ = folder;
    if (const auto path = ChooseFileToOpen()) {
        OpenDocument(*path);
    } else {
        openFolder_ = remembered;
    }
}

void TDocumentFiles::SaveIntoFavouriteFolder(int n) {
    const std::string folder = FavouriteFolder(store_, FolderUse::Save, n);
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        if (!host_.AskCreateFolder(CreateFolderQuestion(folder))) {
            return;
        }
        fs::create_directories(folder, error);
        if (error) {
            host_.ShowError("Cannot create folder \"" + folder + "\". " + error.message());
            return;
        }
    }
    const std::string remembered = saveFolder_;
    saveFolder_ = folder;
    directSaveMode_ = true;
    struct ModeReset {
        bool& mode;
        ~ModeReset() { mode = false; }
    } reset{directSaveMode_};
    if (!SaveDocumentAs()) {
        saveFolder_ = remembered;
    }
}

} // namespace mojiro
