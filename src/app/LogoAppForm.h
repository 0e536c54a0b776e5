// TLogoAppForm: the program's one main window around the editor Editor1,
// with the main menu, the cool bar of tool bars, the status bar of six panels
// and the settings the window keeps from start-up to close. Its handlers are
// short: the article status, the document's files, the clipboard history and
// the further instances are worked out by the helpers beside it, and the
// window only shows what they decide.
//
// The window's code is spread over files by concern: LogoAppForm.cpp (start,
// close, status, caption, files), LogoAppFormCommands.cpp (the commands, menus
// and tool bars and when they are available), LogoAppFormEdit.cpp (the edit
// commands and the clipboard history) and LogoAppFormView.cpp (tool bars
// shown and hidden, the split view, the tab and space marks, clicks).
#pragma once

#include "app/ArticleStatus.h"
#include "app/CaretMemory.h"
#include "app/ClipboardHistory.h"
#include "app/DocumentFiles.h"
#include "app/SearchCommands.h"
#include "editor/EditorTypes.h"
#include "settings/SettingsStore.h"
#include "settings/dialog/BlankMarks.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QPrinter;
class QSplitter;

namespace mojiro {

class TClipboardWatcher;
class TCoolBar;
class TSearchBars;
class TCustomEditor;
class TEditor;

// Every command of the window, shared by its menu item and its tool button,
// so that both always show the same state.
struct TMainCommands {
    QAction *fileNew, *fileOpen, *fileSave, *fileSaveAs, *fileClose, *fileDocking, *fileInsert,
        *filePrint, *filePrinterSetup, *fileExit;
    QAction *editUndo, *editRedo, *editCut, *editCopy, *editAddCut, *editAddCopy, *editPaste,
        *editHistory, *editSelectAll, *editToday, *editLeft, *editCenter, *editRight;
    QAction *searchLetter, *posMemo, *posJump;
    QAction *splitV, *splitH;
    std::array<QAction*, 5> viewCoolBar;
    QAction *option, *box, *readOnly;
    std::array<QAction*, 3> lineLength;
    QAction *help, *about;
};

class TLogoAppForm : public QMainWindow, public DocumentFilesHost {
    Q_OBJECT

public:
    // FormCreate: builds the window, reads the settings and opens the last
    // of `files` (the command line's arguments), passing the others on.
    explicit TLogoAppForm(const std::vector<std::string>& files = {}, QWidget* parent = nullptr);
    ~TLogoAppForm() override;

    TEditor* Editor1 = nullptr;
    // The second pane while the window is split, else null.
    [[nodiscard]] TEditor* Editor2() const { return editor2_; }
    // The pane that last had the focus; the main editor when not split.
    [[nodiscard]] TEditor* ActivePane() const;

    [[nodiscard]] QString PanelText(int panel) const;
    [[nodiscard]] TDocumentFiles& DocumentFiles() { return *files_; }
    [[nodiscard]] const TMainCommands& Commands() const { return commands_; }
    [[nodiscard]] QAction* LineLengthItem(int k) const { return commands_.lineLength.at(k - 1); }
    [[nodiscard]] const TClipboardHistory& ClipboardHistory() const { return history_; }
    [[nodiscard]] TCoolBar& CoolBar() { return *coolBar_; }
    [[nodiscard]] TSearchCommands& Search() { return *search_; }
    [[nodiscard]] TSearchBars& SearchBars() { return *searchBars_; }

    // The three line-length presets, k = 1 to 3.
    void OptionMyLineLenItemClick(int k);
    void OptionReadOnlyItemClick();
    // The options dialog and what the window takes back from it.
    void OptionItemClick();
    void UpdateReadOnlyState() override;

    // Opens the last file here and the others in a further instance.
    void ProcessCommandLine(const std::vector<std::string>& arguments);

    // ---- edit commands (LogoAppFormEdit.cpp) -----------------------------
    void EditUndoItemClick();
    void EditRedoItemClick();
    void EditCutItemClick();
    void EditCopyItemClick();
    void EditAddCutItemClick();
    void EditAddCopyItemClick();
    void EditPasteItemClick();
    void EditSelAllItemClick();
    void HistoryItemsClick(int i);
    void BoxItemClick();
    void EditTodayItemClick();
    // 2 right, 4 centre, 6 left.
    void AlignLines(int divisor);
    void PosMemoItemClick();
    void PosJumpItemClick();
    void Editor1SelectionChange();
    void ClipboardWatcher1Change();

    // ---- search (LogoAppFormSearch.cpp) ------------------------------------
    // Ctrl+F: the search box gets the focus, the bar shown for the moment.
    void SearchLetterItemClick();

    // ---- view (LogoAppFormView.cpp) ----------------------------------------
    void ViewCoolBarItemClick(int id);
    void SplitVItemClick();
    void SplitHItemClick();
    [[nodiscard]] bool SearchBarShown() const { return searchBarShown_; }

protected:
    // FormCloseQuery and the closing steps.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Notices which pane gets the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The values the window holds from start-up to close, as stored.
    struct HeldSettings {
        int lineMargin = 2;
        BlankMarks marks;
        std::array<int, 3> myLineLen{12, 40, 36};
        int todayIndex = 0;
        std::string iniDir; // UTF-8
        bool shousai = false;
    };
    enum class SplitKind { None, AboveEachOther, SideBySide };

    // ---- commands, menus, tool bars (LogoAppFormCommands.cpp) -----------
    void CreateCommands();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void FileMenuOpening();
    void FolderMenuOpening();
    void EditMenuOpening(QMenu& history);
    void ShowLineLengthCaptions();

    // ---- start, close, status (LogoAppForm.cpp) ---------------------------
    void ReadSettings(std::string& startupDocument);
    void WriteSettings();
    void Editor1Change();
    void Editor1CaretMove();
    void Editor1KeyDown(TEditor* sender, int key, Qt::KeyboardModifiers shift);
    void ConnectPane(TEditor& pane);
    // The pane's handlers point back at this window: cleared before either goes.
    static void DisconnectPane(TEditor& pane);
    void SetPanel(int panel, const std::string& text);
    void ShowCaption();
    void FileNew();
    void LaunchInstance(const std::vector<std::string>& files);

    // ---- edit helpers (LogoAppFormEdit.cpp) --------------------------------
    // The search or replace box with the focus, else null (the pane is the
    // target).
    [[nodiscard]] QLineEdit* FocusedBox() const;
    void ReplaceTargetSelection(const std::string& cp932);
    // Paste is available while the clipboard holds text.
    void UpdatePasteCommand(bool clipboardHoldsText);

    // ---- search helpers (LogoAppFormSearch.cpp) ----------------------------
    friend class TWindowSearchHost;
    void CreateSearchBars();

    // ---- view helpers (LogoAppFormView.cpp) --------------------------------
    void ToggleSplit(SplitKind kind);
    void OpenSplit(SplitKind kind);
    void CloseSplit();
    void LayOutSplit();
    void Editor1DrawLine(TEditor* sender, QPainter& painter, int y, int index, const QRect& rect,
                         bool selected);
    void EditorDblClick(TEditor* sender);
    void EditorClick(TEditor* sender);
    void HelpItemClick();
    // The search boxes take the editor's text and background colours.
    void MatchBarColors();
    // The help page at the topic of a help context number; 0 for contents.
    void ShowHelp(int context);

    // ---- DocumentFilesHost ----
    Answer AskSaveChanges(const std::string& text) override;
    bool AskOverwrite(const std::string& text) override;
    bool AskCreateFolder(const std::string& text) override;
    std::optional<OpenChoice> ChooseFileToOpen(const std::string& folder) override;
    std::optional<SaveChoice> ChooseFileToSave(const std::string& folder,
                                               const std::string& fileName) override;
    void Warn(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ResetCaption() override;
    void RecomputeStatus() override { Editor1Change(); }
    void DisableCaretJump() override;

    SettingsStore store_;
    HeldSettings held_;
    ArticleStatus status_;
    TClipboardHistory history_;
    TCaretMemory caretMemory_;
    std::unique_ptr<TDocumentFiles> files_;
    // One printer for the window, so that a printer chosen in the set-up
    // stays chosen.
    std::unique_ptr<QPrinter> printer_;
    TMainCommands commands_{};
    TCoolBar* coolBar_ = nullptr;
    std::unique_ptr<SearchHost> searchHost_;
    std::unique_ptr<TSearchCommands> search_;
    TSearchBars* searchBars_ = nullptr;
    TClipboardWatcher* clipboardWatcher_ = nullptr;
    std::array<QLabel*, kStatusPanelCount> panels_{};
    QAction* recentSeparator_ = nullptr;
    std::array<QAction*, 10> recentItems_{};
    std::array<QAction*, 10> folderOpenItems_{};
    std::array<QAction*, 10> folderSaveItems_{};
    std::array<QAction*, kClipboardHistorySize> historyItems_{};
    QMenu* popupMenu_ = nullptr;
    std::array<QAction*, kClipboardHistorySize> popupHistoryItems_{};

    // View state.
    bool searchBarShown_ = true;
    SplitKind split_ = SplitKind::None;
    QSplitter* splitter_ = nullptr;
    TEditor* editor2_ = nullptr;
    TEditor* activePane_ = nullptr;
    bool lineSelectArmed_ = false;
    std::ptrdiff_t wordSelStart_ = 0;
    std::ptrdiff_t wordSelLength_ = 0;
};

} // namespace mojiro
