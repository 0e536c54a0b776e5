// TLogoAppForm: the program's one main window around the editor Editor1,
// with the main menu, the status bar of six panels and the settings the
// window keeps from start-up to close. Its handlers are short: the article
// status, the document's files and the further instances are worked out by
// the helpers beside it, and the window only shows what they decide.
#pragma once

#include "app/ArticleStatus.h"
#include "app/DocumentFiles.h"
#include "editor/EditorTypes.h"
#include "settings/SettingsStore.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace mojiro {

class TEditor;
class TCustomEditor;

// The screen line spacing of `index` (0 to 6): the font's point size times
// 0, 1/4, 1/3, 1/2, 2/3, 3/4 or 1, rounded half to even, as the extra pixels
// between rows. An index outside the range counts as 0.
void ApplyLineMargin(TCustomEditor& editor, int index);

class TLogoAppForm : public QMainWindow, public DocumentFilesHost {
    Q_OBJECT

public:
    // FormCreate: builds the window, reads the settings and opens the last
    // of `files` (the command line's arguments), passing the others on.
    explicit TLogoAppForm(const std::vector<std::string>& files = {}, QWidget* parent = nullptr);
    ~TLogoAppForm() override;

    TEditor* Editor1 = nullptr;

    [[nodiscard]] QString PanelText(int panel) const;
    [[nodiscard]] TDocumentFiles& DocumentFiles() { return *files_; }
    [[nodiscard]] QAction* LineLengthItem(int k) const { return lineLenItems_.at(k - 1); }

    // The three line-length presets, k = 1 to 3.
    void OptionMyLineLenItemClick(int k);
    void OptionReadOnlyItemClick();
    void UpdateReadOnlyState() override;

    // Opens the last file here and the others in a further instance.
    void ProcessCommandLine(const std::vector<std::string>& arguments);

protected:
    // FormCloseQuery and the closing steps.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The values the window holds from start-up to close, as stored.
    struct HeldSettings {
        int lineMargin = 2;
        bool space = true;
        TColor spaceColor = clActiveCaption;
        bool tab = true;
        TColor tabColor = clActiveCaption;
        std::array<int, 3> myLineLen{12, 40, 36};
        int todayIndex = 0;
        // Read at start-up and written back unchanged until the search bar
        // and the cool bar exist, so nothing stored is lost.
        std::vector<std::string> searchLetters, replaceLetters;
        std::vector<int> coolBarIndex, coolBarWidth;
        std::vector<bool> coolBarView, coolBarBreak;
        std::string iniDir; // UTF-8
        bool shousai = false;
    };

    void CreateMenus();
    void CreateStatusBar();
    void ReadSettings(std::string& startupDocument);
    void WriteSettings();
    void Editor1Change();
    void Editor1CaretMove();
    void Editor1KeyDown(int key, Qt::KeyboardModifiers shift);
    void SetPanel(int panel, const std::string& text);
    void ShowCaption();
    void ShowLineLengthCaptions();
    void FileMenuOpening();
    void FolderMenuOpening();
    void FileNew();
    void LaunchInstance(const std::vector<std::string>& files);

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
    void DisableCaretJump() override {}

    SettingsStore store_;
    HeldSettings held_;
    ArticleStatus status_;
    std::unique_ptr<TDocumentFiles> files_;
    std::array<QLabel*, kStatusPanelCount> panels_{};
    std::array<QAction*, 3> lineLenItems_{};
    QAction* readOnlyItem_ = nullptr;
    struct FileItems {
        QAction *save, *saveAs, *close, *print, *docking, *insert, *recentSeparator;
        std::array<QAction*, 10> recent;
    } fileItems_{};
    std::array<QAction*, 10> folderOpenItems_{};
    std::array<QAction*, 10> folderSaveItems_{};
};

} // namespace mojiro
