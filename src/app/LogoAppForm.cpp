#include "app/LogoAppForm.h"

#include "app/AboutBox.h"
#include "app/CoolBar.h"
#include "app/FavouriteFolders.h"
#include "app/FileFilter.h"
#include "app/FurtherInstances.h"
#include "app/RecentFiles.h"
#include "app/SearchBar.h"
#include "app/UiText.h"
#include "editor/VirtualKeys.h"
#include "editor/control/ClipboardMime.h"
#include "editor/control/TEditor.h"
#include "platform/Cp932Codec.h"
#include "settings/EditorProp.h"
#include "settings/SettingsTable.h"
#include "settings/dialog/LineMargin.h"
#include "widgets/ClipboardWatcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>

namespace mojiro {

namespace {

// The UI texts below are UTF-8 in the source; the menu captions use the
// half-width katakana the reporters know from the program's earlier versions.
constexpr const char* kReadOnlyMark = "（読み取り専用）";

} // namespace

TLogoAppForm::TLogoAppForm(const std::vector<std::string>& files, QWidget* parent)
    : QMainWindow(parent), store_(DefaultSettingsPath()) {
    setWindowTitle(Ui(std::string(kProgramTitle)));
    splitter_ = new QSplitter(this);
    splitter_->setChildrenCollapsible(false);
    Editor1 = new TEditor(splitter_);
    Editor1->SetWantTabs(true);
    Editor1->SetWantReturns(true);
    // A reporter may undo back to the start of the session.
    Editor1->SetUndoListMax(2000000000);
    activePane_ = Editor1;
    setCentralWidget(splitter_);

    // Step 1: the design values, replaced by whatever is stored.
    TEditorProp prop;
    prop.SetDesignValues();
    store_.Open();
    LoadEditorProp(store_, prop);
    prop.AssignTo(*Editor1);

    // The watcher listens from before the history exists: a change then
    // only sets the paste button.
    clipboardWatcher_ = new TClipboardWatcher(this);
    clipboardWatcher_->SetOnChange([this](TClipboardWatcher*) { ClipboardWatcher1Change(); });

    files_ = std::make_unique<TDocumentFiles>(*Editor1, store_, *this);
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CreateCommands();
    CreateToolBars();
    CreateSearchBars();
    CreateMenus();
    CreateStatusBar();
    Editor1->SetPopupMenu(popupMenu_);
    // Text already on the clipboard can be pasted at once, though it does
    // not enter the history.
    UpdatePasteCommand(HoldsClipboardText(QGuiApplication::clipboard()->mimeData()));

    std::string startupDocument;
    ReadSettings(startupDocument);
    ApplyLineMargin(*Editor1, held_.lineMargin);
    MatchBarColors();

    SetPanel(2, LineLengthText(Editor1->WrapOption().WrapByte()));
    SetPanel(3, InsertModeText(false));
    for (int id = 0; id < kCoolBarBandCount; ++id) {
        commands_.viewCoolBar[id]->setChecked(coolBar_->BandVisible(id));
    }
    searchBarShown_ = coolBar_->BandVisible(3);
    ShowLineLengthCaptions();

    ConnectPane(*Editor1);
    Editor1Change();
    Editor1SelectionChange();
    ShowCaption();
    Editor1->setFocus();

    setAcceptDrops(true);
    const bool openedHere = !files.empty();
    ProcessCommandLine(files);
    if (!openedHere && !startupDocument.empty()) {
        files_->OpenDocument(startupDocument);
    }
}

TLogoAppForm::~TLogoAppForm() {
    for (TEditor* pane : {Editor1, editor2_}) {
        if (pane != nullptr) {
            DisconnectPane(*pane);
        }
    }
    clipboardWatcher_->SetEnabled(false);
}

void TLogoAppForm::DisconnectPane(TEditor& pane) {
    pane.OnChange = nullptr;
    pane.OnCaretMoved = nullptr;
    pane.OnSelectionChange = nullptr;
    pane.OnKeyDown = nullptr;
    pane.OnDrawLine = nullptr;
    pane.OnClick = nullptr;
    pane.OnDblClick = nullptr;
}

// Every pane shares the main editor's handlers.
void TLogoAppForm::ConnectPane(TEditor& pane) {
    pane.OnChange = [this](TCustomEditor*) { Editor1Change(); };
    pane.OnCaretMoved = [this](TCustomEditor*) { Editor1CaretMove(); };
    pane.OnSelectionChange = [this](TCustomEditor*, bool) { Editor1SelectionChange(); };
    pane.OnKeyDown = [this](TEditor* sender, int& key, Qt::KeyboardModifiers shift) {
        Editor1KeyDown(sender, key, shift);
    };
    pane.OnDrawLine = [this](TEditor* sender, QPainter& painter, const std::string&, int, int y,
                             int index, const QRect& rect, bool selected) {
        Editor1DrawLine(sender, painter, y, index, rect, selected);
    };
    pane.OnClick = [this](TCustomEditor* sender) { EditorClick(static_cast<TEditor*>(sender)); };
    pane.OnDblClick = [this](TCustomEditor* sender) {
        EditorDblClick(static_cast<TEditor*>(sender));
    };
    pane.installEventFilter(this);
}

TEditor* TLogoAppForm::ActivePane() const {
    return activePane_ != nullptr ? activePane_ : Editor1;
}

// ---- start-up and closing --------------------------------------------------

void TLogoAppForm::ReadSettings(std::string& startupDocument) {
    DeleteSetting(store_, RetiredSetting{"View", "SearchBar"});
    DeleteSetting(store_, RetiredSetting{"View", "ToolBar"});

    setGeometry(ReadSetting(store_, IntegerSetting{"Locate", "Left"}),
                ReadSetting(store_, IntegerSetting{"Locate", "Top"}),
                ReadSetting(store_, IntegerSetting{"Locate", "Width"}),
                ReadSetting(store_, IntegerSetting{"Locate", "Height"}));
    held_.iniDir = Cp932ToUtf8(ReadSetting(store_, TextSetting{"File", "IniDir"}));

    search_->LoadHistories(store_);
    searchBars_->ShowSearchHistory(search_->SearchHistory());
    searchBars_->ShowReplaceHistory(search_->ReplaceHistory());
    coolBar_->Apply(LoadCoolBarBands(store_));

    held_.lineMargin = ReadSetting(store_, IntegerSetting{"Option", "LineMargin"});
    held_.marks.space = ReadSetting(store_, BoolSetting{"Option", "Space"});
    held_.marks.spaceColor = ReadSetting(store_, ColorSetting{"Option", "SpaceColor"});
    held_.marks.tab = ReadSetting(store_, BoolSetting{"Option", "Tab"});
    held_.marks.tabColor = ReadSetting(store_, ColorSetting{"Option", "TabColor"});
    held_.myLineLen = {ReadSetting(store_, IntegerSetting{"Option", "MyLineLen1"}),
                       ReadSetting(store_, IntegerSetting{"Option", "MyLineLen2"}),
                       ReadSetting(store_, IntegerSetting{"Option", "MyLineLen3"})};
    status_.SetRules(LoadStatusRules(store_));
    files_->SetNameRules(LoadAutoNameRules(store_));

    held_.shousai = ReadSetting(store_, BoolSetting{"File", "Shousai"});
    if (ReadSetting(store_, BoolSetting{"File", "InitialLoadEnable"})) {
        startupDocument = Cp932ToUtf8(ReadSetting(store_, TextSetting{"File", "InitialLoadFile"}));
    }
    held_.todayIndex = ReadSetting(store_, IntegerSetting{"Option", "TodayIndex"});
    Editor1->SetImeMode(ReadSetting(store_, BoolSetting{"Option", "IMEMode"})
                            ? TImeMode::imHira
                            : TImeMode::imDontCare);
}

void TLogoAppForm::WriteSettings() {
    TEditorProp prop;
    prop.SetDesignValues();
    prop.AssignFrom(*Editor1);
    SaveEditorProp(store_, prop);

    const QRect place = geometry();
    WriteSetting(store_, IntegerSetting{"Locate", "Top"}, place.top());
    WriteSetting(store_, IntegerSetting{"Locate", "Left"}, place.left());
    WriteSetting(store_, IntegerSetting{"Locate", "Width"}, place.width());
    WriteSetting(store_, IntegerSetting{"Locate", "Height"}, place.height());
    // The folder of the last opened document, else the one read at start-up.
    const std::string folder = files_->OpenFolder().empty() ? held_.iniDir : files_->OpenFolder();
    WriteSetting(store_, TextSetting{"File", "IniDir"}, Utf8ToCp932(folder).bytes);

    search_->SaveHistories(store_);
    SaveCoolBarBands(store_, coolBar_->Capture());

    WriteSetting(store_, IntegerSetting{"Option", "LineMargin"}, held_.lineMargin);
    WriteSetting(store_, BoolSetting{"Option", "Space"}, held_.marks.space);
    WriteSetting(store_, ColorSetting{"Option", "SpaceColor"}, held_.marks.spaceColor);
    WriteSetting(store_, BoolSetting{"Option", "Tab"}, held_.marks.tab);
    WriteSetting(store_, ColorSetting{"Option", "TabColor"}, held_.marks.tabColor);
    WriteSetting(store_, IntegerSetting{"Option", "MyLineLen1"}, held_.myLineLen[0]);
    WriteSetting(store_, IntegerSetting{"Option", "MyLineLen2"}, held_.myLineLen[1]);
    WriteSetting(store_, IntegerSetting{"Option", "MyLineLen3"}, held_.myLineLen[2]);
    SaveStatusRules(store_, status_.Rules());
    WriteSetting(store_, IntegerSetting{"Option", "TodayIndex"}, held_.todayIndex);
    WriteAutoNameRules(store_, files_->NameRules());
}

void TLogoAppForm::closeEvent(QCloseEvent* event) {
    if (Editor1->Modified() && Editor1->TextLength() > 0 && !files_->ConfirmDiscard()) {
        event->ignore();
        return;
    }
    try {
        WriteSettings();
    } catch (const SettingsError& error) {
        // The settings are lost for this run, but the reporter may still go.
        ShowError(error.what());
    }
    clipboardWatcher_->SetEnabled(false);
    setAcceptDrops(false);
    event->accept();
}

// ---- status bar ------------------------------------------------------------

QString TLogoAppForm::PanelText(int panel) const {
    return panels_.at(panel)->text();
}

void TLogoAppForm::SetPanel(int panel, const std::string& text) {
    panels_[panel]->setText(Ui(text));
}

// ---- article status and caption ------------------------------------------

void TLogoAppForm::Editor1Change() {
    TEditor* pane = ActivePane();
    const TDocumentName name = files_->Untitled() ? TDocumentName::Untitled : TDocumentName::Named;
    const TArticleStatusResult result = status_.Recompute(*Editor1, pane->Row(), name);
    for (int i = 0; i < kStatusPanelCount; ++i) {
        SetPanel(i, result.panels[i]);
    }
    if (result.markCaption) {
        ShowCaption();
    }
    // The commands that depend on the document.
    const bool hasText = Editor1->TextLength() > 0;
    const bool writable = !Editor1->ReadOnly();
    if (writable) {
        commands_.editUndo->setEnabled(Editor1->CanUndo());
        commands_.editRedo->setEnabled(Editor1->CanRedo());
        commands_.fileSave->setEnabled(hasText);
        for (QAction* align : {commands_.editLeft, commands_.editCenter, commands_.editRight}) {
            align->setEnabled(hasText);
        }
    }
    commands_.editSelectAll->setEnabled(hasText);
    for (QAction* command : {commands_.fileSaveAs, commands_.fileClose, commands_.filePrint}) {
        command->setEnabled(hasText);
    }
    searchBars_->ShowButtons(StatusButtons(search_->SearchText(), *pane));
}

void TLogoAppForm::Editor1CaretMove() {
    SetPanel(0, status_.CaretMove(ActivePane()->Row()));
}

void TLogoAppForm::Editor1KeyDown(TEditor* sender, int key, Qt::KeyboardModifiers shift) {
    constexpr Qt::KeyboardModifiers kModifiers =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key == VK_INSERT && (shift & kModifiers) == 0) {
        // Only the main editor's mode; it is the one panel 3 shows.
        Editor1->SetOverwrite(!Editor1->Overwrite());
        SetPanel(3, InsertModeText(Editor1->Overwrite()));
    } else if (key == VK_TAB && (shift & kModifiers) == Qt::ShiftModifier && editor2_ != nullptr) {
        (sender == Editor1 ? static_cast<QWidget*>(editor2_) : Editor1)->setFocus();
    }
}

void TLogoAppForm::ShowCaption() {
    std::string caption = files_->Caption();
    // The changed mark stays while the document is changed, whatever the mode.
    if (status_.CaptionMarked()) {
        caption += kCaptionChangedMark;
    }
    if (Editor1->ReadOnly()) {
        caption += kReadOnlyMark;
    }
    setWindowTitle(Ui(caption));
    QCoreApplication::setApplicationName(Ui(files_->ApplicationTitle()));
}

void TLogoAppForm::ResetCaption() {
    status_.ClearCaptionMark();
    ShowCaption();
}

void TLogoAppForm::UpdateReadOnlyState() {
    const bool readOnly = Editor1->ReadOnly();
    ShowCaption();
    for (QAction* command :
         {commands_.fileDocking, commands_.fileInsert, commands_.editCut, commands_.editAddCut,
          commands_.editToday, commands_.editLeft, commands_.editCenter, commands_.editRight}) {
        command->setEnabled(!readOnly);
    }
    if (readOnly) {
        for (QAction* command : {commands_.editUndo, commands_.editRedo, commands_.editPaste}) {
            command->setEnabled(false);
        }
    } else {
        // Undo, redo and the other document-dependent commands come back.
        Editor1Change();
        Editor1SelectionChange();
    }
    commands_.readOnly->setChecked(readOnly);
    searchBars_->SetReadOnly(readOnly);
}

void TLogoAppForm::OptionReadOnlyItemClick() {
    Editor1->SetReadOnly(!Editor1->ReadOnly());
    if (editor2_ != nullptr) {
        editor2_->SetReadOnly(Editor1->ReadOnly());
    }
    Editor1Change();
    UpdateReadOnlyState();
}

void TLogoAppForm::OptionMyLineLenItemClick(int k) {
    const int chars = held_.myLineLen.at(k - 1);
    Editor1->WrapOption().SetWrapByte(2 * chars);
    Editor1Change();
    // The length in force: a damaged stored preset is clamped by the editor.
    SetPanel(2, LineLengthText(Editor1->WrapOption().WrapByte()));
}

// ---- further instances and dropped files ----------------------------------

void TLogoAppForm::ProcessCommandLine(const std::vector<std::string>& arguments) {
    const InstancePlan plan = PlanCommandLine(arguments);
    if (!plan.passOn.empty()) {
        LaunchInstance(plan.passOn);
    }
    if (!plan.openHere.empty()) {
        files_->OpenDocument(plan.openHere);
    }
}

void TLogoAppForm::FileNew() {
    LaunchInstance({});
}

void TLogoAppForm::LaunchInstance(const std::vector<std::string>& files) {
    PlaceNextInstance(store_, geometry().top(), geometry().left());
    QStringList arguments;
    for (const std::string& file : files) {
        arguments << Ui(file);
    }
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

void TLogoAppForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void TLogoAppForm::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(Utf8(url.toLocalFile()));
        }
    }
    const bool untouched = !Editor1->Modified() && Editor1->TextLength() == 0;
    const InstancePlan plan = PlanDroppedFiles(paths, untouched);
    if (!plan.passOn.empty()) {
        LaunchInstance(plan.passOn);
    }
    if (!plan.openHere.empty() && files_->OpenDocument(plan.openHere)) {
        raise();
        activateWindow();
    }
    event->acceptProposedAction();
}

// ---- questions and dialogs -------------------------------------------------

DocumentFilesHost::Answer TLogoAppForm::AskSaveChanges(const std::string& text) {
    switch (QMessageBox::warning(this, windowTitle(), Ui(text),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool TLogoAppForm::AskOverwrite(const std::string& text) {
    return QMessageBox::question(this, windowTitle(), Ui(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TLogoAppForm::AskCreateFolder(const std::string& text) {
    return QMessageBox::question(this, windowTitle(), Ui(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<OpenChoice> TLogoAppForm::ChooseFileToOpen(const std::string& folder) {
    QFileDialog dialog(this, QString::fromUtf8("開く"), Ui(folder.empty() ? held_.iniDir : folder),
                       Ui(BuildFileFilter(store_).QtFilter()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setViewMode(held_.shousai ? QFileDialog::Detail : QFileDialog::List);
    // The read-only box needs the non-native dialog, which takes extra widgets.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* readOnly = new QCheckBox(QString::fromUtf8("読み取り専用(&R)"), &dialog);
    if (auto* grid = dialog.layout()) {
        grid->addWidget(readOnly);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return OpenChoice{Utf8(dialog.selectedFiles().front()), readOnly->isChecked()};
}

std::optional<SaveChoice> TLogoAppForm::ChooseFileToSave(const std::string& folder,
                                                         const std::string& fileName) {
    const FileFilter filter = BuildFileFilter(store_);
    QFileDialog dialog(this, QString::fromUtf8("別名保存"),
                       Ui(folder.empty() ? held_.iniDir : folder), Ui(filter.QtFilter()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // the document asks itself
    dialog.selectFile(Ui(fileName));
    dialog.selectNameFilter(Ui(filter.QtTextFileEntry()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return SaveChoice{Utf8(dialog.selectedFiles().front()),
                      dialog.selectedNameFilter() == Ui(filter.QtTextFileEntry())};
}

void TLogoAppForm::Warn(const std::string& text) {
    QApplication::beep();
    SetPanel(5, text);
}

void TLogoAppForm::ShowError(const std::string& text) {
    QMessageBox::critical(this, windowTitle(), Ui(text));
}

} // namespace mojiro
