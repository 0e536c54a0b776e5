#include "app/LogoAppForm.h"

#include "app/AboutBox.h"
#include "app/FavouriteFolders.h"
#include "app/FileFilter.h"
#include "app/FurtherInstances.h"
#include "app/RecentFiles.h"
#include "editor/VirtualKeys.h"
#include "editor/control/TEditor.h"
#include "platform/Cp932Codec.h"
#include "settings/EditorProp.h"
#include "settings/SettingsTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QUrl>
#include <cmath>

namespace mojiro {

namespace {

QString Ui(const std::string& utf8) {
    return QString::fromUtf8(utf8);
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The UI texts below are UTF-8 in the source; the menu captions use the
// half-width katakana the reporters know from the program's earlier versions.
constexpr const char* kReadOnlyMark = "（読み取り専用）";

// 1行12字(&1)
QString LineLengthCaption(int chars, int item) {
    return QString::fromUtf8("1行%1字(&%2)").arg(chars).arg(item);
}

} // namespace

void ApplyLineMargin(TCustomEditor& editor, int index) {
    // Single precision, as the dialog's sample has always computed it, so
    // that the same sizes round the same way.
    static constexpr float kFractions[] = {0.0F, 0.25F, 0.33333F, 0.5F, 0.66667F, 0.75F, 1.0F};
    const float fraction = index >= 0 && index < 7 ? kFractions[index] : 0.0F;
    const float pixels = static_cast<float>(editor.Font().size) * fraction;
    editor.Margin().SetLine(static_cast<int>(std::nearbyint(pixels)));
}

TLogoAppForm::TLogoAppForm(const std::vector<std::string>& files, QWidget* parent)
    : QMainWindow(parent), store_(DefaultSettingsPath()) {
    setWindowTitle(Ui(std::string(kProgramTitle)));
    Editor1 = new TEditor(this);
    Editor1->SetWantTabs(true);
    Editor1->SetWantReturns(true);
    // A reporter may undo back to the start of the session.
    Editor1->SetUndoListMax(2000000000);
    setCentralWidget(Editor1);
    setAcceptDrops(true);

    // Step 1: the design values, replaced by whatever is stored.
    TEditorProp prop;
    prop.SetDesignValues();
    store_.Open();
    LoadEditorProp(store_, prop);
    prop.AssignTo(*Editor1);

    files_ = std::make_unique<TDocumentFiles>(*Editor1, store_, *this);
    CreateMenus();
    CreateStatusBar();

    std::string startupDocument;
    ReadSettings(startupDocument);
    ApplyLineMargin(*Editor1, held_.lineMargin);

    SetPanel(2, LineLengthText(Editor1->WrapOption().WrapByte()));
    SetPanel(3, InsertModeText(false));
    ShowLineLengthCaptions();

    Editor1->OnChange = [this](TCustomEditor*) { Editor1Change(); };
    Editor1->OnCaretMoved = [this](TCustomEditor*) { Editor1CaretMove(); };
    Editor1->OnKeyDown = [this](TEditor*, int& key, Qt::KeyboardModifiers shift) {
        Editor1KeyDown(key, shift);
    };
    Editor1Change();
    ShowCaption();
    Editor1->setFocus();

    const bool openedHere = !files.empty();
    ProcessCommandLine(files);
    if (!openedHere && !startupDocument.empty()) {
        files_->OpenDocument(startupDocument);
    }
}

TLogoAppForm::~TLogoAppForm() {
    // The editor's handlers point back at this window, which goes first.
    Editor1->OnChange = nullptr;
    Editor1->OnCaretMoved = nullptr;
    Editor1->OnKeyDown = nullptr;
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

    for (int n = 0; n < 8; ++n) {
        held_.searchLetters.push_back(
            ReadSetting(store_, TextSetting{"Search", "SearchLetter"}, n));
        held_.replaceLetters.push_back(
            ReadSetting(store_, TextSetting{"Search", "ReplaceLetter"}, n));
    }
    for (int n = 0; n < 5; ++n) {
        held_.coolBarIndex.push_back(
            ReadSetting(store_, IntegerSetting{"View", "CoolBarIndex"}, n));
        held_.coolBarView.push_back(ReadSetting(store_, BoolSetting{"View", "CoolBarView"}, n));
        held_.coolBarBreak.push_back(ReadSetting(store_, BoolSetting{"View", "CoolBarBreak"}, n));
        held_.coolBarWidth.push_back(
            ReadSetting(store_, IntegerSetting{"View", "CoolBarWidth"}, n));
    }

    held_.lineMargin = ReadSetting(store_, IntegerSetting{"Option", "LineMargin"});
    held_.space = ReadSetting(store_, BoolSetting{"Option", "Space"});
    held_.spaceColor = ReadSetting(store_, ColorSetting{"Option", "SpaceColor"});
    held_.tab = ReadSetting(store_, BoolSetting{"Option", "Tab"});
    held_.tabColor = ReadSetting(store_, ColorSetting{"Option", "TabColor"});
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

    for (int n = 0; n < 8; ++n) {
        WriteSetting(store_, TextSetting{"Search", "SearchLetter"}, n, held_.searchLetters[n]);
        WriteSetting(store_, TextSetting{"Search", "ReplaceLetter"}, n, held_.replaceLetters[n]);
    }
    for (int n = 0; n < 5; ++n) {
        WriteSetting(store_, IntegerSetting{"View", "CoolBarIndex"}, n, held_.coolBarIndex[n]);
        WriteSetting(store_, BoolSetting{"View", "CoolBarView"}, n, held_.coolBarView[n]);
        WriteSetting(store_, BoolSetting{"View", "CoolBarBreak"}, n, held_.coolBarBreak[n]);
        WriteSetting(store_, IntegerSetting{"View", "CoolBarWidth"}, n, held_.coolBarWidth[n]);
    }

    WriteSetting(store_, IntegerSetting{"Option", "LineMargin"}, held_.lineMargin);
    WriteSetting(store_, BoolSetting{"Option", "Space"}, held_.space);
    WriteSetting(store_, ColorSetting{"Option", "SpaceColor"}, held_.spaceColor);
    WriteSetting(store_, BoolSetting{"Option", "Tab"}, held_.tab);
    WriteSetting(store_, ColorSetting{"Option", "TabColor"}, held_.tabColor);
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
    setAcceptDrops(false);
    event->accept();
}

// ---- menus and status bar ----------------------------------------------------

void TLogoAppForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    connect(file, &QMenu::aboutToShow, this, [this] { FileMenuOpening(); });
    file->addAction(QString::fromUtf8("新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                    [this] { FileNew(); });
    file->addAction(QString::fromUtf8("開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                    [this] { files_->FileOpen(); });
    fileItems_.save =
        file->addAction(QString::fromUtf8("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S),
                        this, [this] { files_->FileSave(); });
    fileItems_.saveAs = file->addAction(QString::fromUtf8("別名保存(&A)..."), this,
                                        [this] { files_->FileSaveAs(); });
    fileItems_.close =
        file->addAction(QString::fromUtf8("閉じる(&C)"), this, [this] { files_->FileClose(); });
    file->addSeparator();
    fileItems_.docking = file->addAction(QString::fromUtf8("文書の最後にﾌｧｲﾙを連結(&D)"), this,
                                         [this] { files_->FileDocking(); });
    fileItems_.insert = file->addAction(QString::fromUtf8("ｶｰｿﾙ位置にﾌｧｲﾙを挿入(&I)"), this,
                                        [this] { files_->FileInsert(*Editor1); });
    file->addSeparator();
    // Printing comes with its own issue.
    fileItems_.print =
        file->addAction(QString::fromUtf8("印刷(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addAction(QString::fromUtf8("ﾌﾟﾘﾝﾀの設定(&U)"))->setEnabled(false);
    fileItems_.recentSeparator = file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        fileItems_.recent[i] = file->addAction(
            QString(), this, [this, i] { files_->OpenRecentFile(RecentFileValueIndex(i)); });
    }
    file->addSeparator();
    file->addAction(QString::fromUtf8("終了(&X)"), QKeySequence(Qt::ALT | Qt::Key_F4), this,
                    [this] { close(); });
    FileMenuOpening(); // the shortcuts act before the menu is ever shown

    QMenu* folder = menuBar()->addMenu(QString::fromUtf8("ﾌｫﾙﾀﾞ(&D)"));
    connect(folder, &QMenu::aboutToShow, this, [this] { FolderMenuOpening(); });
    for (int n = 0; n < kFavouriteFolderCount; ++n) {
        folderOpenItems_[n] =
            folder->addAction(QString(), this, [this, n] { files_->OpenFromFavouriteFolder(n); });
    }
    folder->addSeparator();
    for (int n = 0; n < kFavouriteFolderCount; ++n) {
        folderSaveItems_[n] =
            folder->addAction(QString(), this, [this, n] { files_->SaveIntoFavouriteFolder(n); });
    }
    FolderMenuOpening();

    // The edit, search and view commands come with later issues.
    QMenu* edit = menuBar()->addMenu(QString::fromUtf8("編集(&E)"));
    for (const char* caption : {"元に戻す(&U)", "やり直し(&R)", "切り取り(&T)", "コピー(&C)",
                                "貼り付け(&P)", "すべて選択(&A)"}) {
        edit->addAction(QString::fromUtf8(caption))->setEnabled(false);
    }
    QMenu* search = menuBar()->addMenu(QString::fromUtf8("検索(&S)"));
    for (const char* caption : {"検索(&F)", "置換(&R)"}) {
        search->addAction(QString::fromUtf8(caption))->setEnabled(false);
    }
    QMenu* view = menuBar()->addMenu(QString::fromUtf8("表示(&V)"));
    view->addAction(QString::fromUtf8("ﾂｰﾙﾊﾞｰ(&T)"))->setEnabled(false);

    QMenu* option = menuBar()->addMenu(QString::fromUtf8("設定(&O)"));
    option->addAction(QString::fromUtf8("設定(&O)"))->setEnabled(false);
    option->addAction(QString::fromUtf8("BOX選択(&B)"), QKeySequence(Qt::CTRL | Qt::Key_B))
        ->setEnabled(false);
    readOnlyItem_ = option->addAction(QString::fromUtf8("読み取り専用(&R)"), this,
                                      [this] { OptionReadOnlyItemClick(); });
    readOnlyItem_->setCheckable(true);
    connect(option, &QMenu::aboutToShow, this,
            [this] { readOnlyItem_->setChecked(Editor1->ReadOnly()); });
    option->addSeparator();
    const QKeySequence presetKeys[] = {QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_F12),
                                       QKeySequence(Qt::SHIFT | Qt::Key_F12)};
    for (int k = 1; k <= 3; ++k) {
        lineLenItems_[k - 1] = option->addAction(QString(), presetKeys[k - 1], this,
                                                 [this, k] { OptionMyLineLenItemClick(k); });
    }

    QMenu* help = menuBar()->addMenu(QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    help->addAction(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(&A)"), this, [this] {
        TAboutBox about(this);
        about.exec();
    });
}

void TLogoAppForm::CreateStatusBar() {
    for (int i = 0; i < kStatusPanelCount; ++i) {
        const TStatusPanelLayout& layout = kStatusPanelLayout[i];
        auto* label = new QLabel(this);
        label->setAlignment(layout.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        if (layout.width > 0) {
            label->setFixedWidth(layout.width);
            statusBar()->addWidget(label);
        } else {
            statusBar()->addWidget(label, 1);
        }
        panels_[i] = label;
    }
}

void TLogoAppForm::FileMenuOpening() {
    const FileMenuEnabling state = FileMenuState(*Editor1);
    fileItems_.save->setEnabled(state.save);
    fileItems_.saveAs->setEnabled(state.saveAs);
    fileItems_.close->setEnabled(state.close);
    fileItems_.print->setEnabled(false);
    fileItems_.docking->setEnabled(state.merge);
    fileItems_.insert->setEnabled(state.merge);
    const auto items = RecentFileItems(store_);
    fileItems_.recentSeparator->setVisible(items[0].visible);
    for (int i = 0; i < kRecentFileCount; ++i) {
        fileItems_.recent[i]->setVisible(items[i].visible);
        fileItems_.recent[i]->setText(Ui(items[i].caption));
    }
}

void TLogoAppForm::FolderMenuOpening() {
    const FolderMenu menu = FolderMenuItems(store_, Editor1->TextLength() == 0);
    const auto show = [](QAction* action, const FolderMenuItem& item) {
        action->setVisible(item.visible);
        action->setEnabled(item.enabled);
        action->setText(Ui(item.caption));
        action->setShortcut(QKeySequence(Ui(std::string(item.shortcut))));
    };
    for (int n = 0; n < kFavouriteFolderCount; ++n) {
        show(folderOpenItems_[n], menu.open[n]);
        show(folderSaveItems_[n], menu.save[n]);
    }
}

QString TLogoAppForm::PanelText(int panel) const {
    return panels_.at(panel)->text();
}

void TLogoAppForm::SetPanel(int panel, const std::string& text) {
    panels_[panel]->setText(Ui(text));
}

// ---- article status and caption ------------------------------------------

void TLogoAppForm::Editor1Change() {
    const TDocumentName name = files_->Untitled() ? TDocumentName::Untitled : TDocumentName::Named;
    const TArticleStatusResult result = status_.Recompute(*Editor1, Editor1->Row(), name);
    for (int i = 0; i < kStatusPanelCount; ++i) {
        SetPanel(i, result.panels[i]);
    }
    if (result.markCaption) {
        ShowCaption();
    }
}

void TLogoAppForm::Editor1CaretMove() {
    SetPanel(0, status_.CaretMove(Editor1->Row()));
}

void TLogoAppForm::Editor1KeyDown(int key, Qt::KeyboardModifiers shift) {
    if (key == VK_INSERT && (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                      Qt::MetaModifier)) == 0) {
        Editor1->SetOverwrite(!Editor1->Overwrite());
        SetPanel(3, InsertModeText(Editor1->Overwrite()));
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
    fileItems_.docking->setEnabled(!readOnly);
    fileItems_.insert->setEnabled(!readOnly);
    if (!readOnly) {
        Editor1Change();
    }
}

void TLogoAppForm::OptionReadOnlyItemClick() {
    Editor1->SetReadOnly(!Editor1->ReadOnly());
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

void TLogoAppForm::ShowLineLengthCaptions() {
    for (int k = 1; k <= 3; ++k) {
        lineLenItems_[k - 1]->setText(LineLengthCaption(held_.myLineLen[k - 1], k));
    }
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
