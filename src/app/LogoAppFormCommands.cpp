// The window's commands: one QAction each, shared by the main menu and the
// tool bars, the menus and the context menu, and when the commands are
// available.
#include "app/AboutBox.h"
#include "app/CoolBar.h"
#include "app/FavouriteFolders.h"
#include "app/LineAlignment.h"
#include "app/LogoAppForm.h"
#include "app/RecentFiles.h"
#include "app/SearchBar.h"
#include "app/UiText.h"
#include "editor/control/TEditor.h"
#include "print/PrintCommands.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace mojiro {

namespace {

// A themed icon where the desktop has one, else the style's, else none (the
// tool button then shows its text).
QIcon CommandIcon(const char* themeName, QStyle::StandardPixmap fallback = QStyle::SP_CustomBase) {
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(themeName));
    if (!themed.isNull() || fallback == QStyle::SP_CustomBase) {
        return themed;
    }
    return QApplication::style()->standardIcon(fallback);
}

} // namespace

void TLogoAppForm::CreateCommands() {
    TMainCommands& c = commands_;
    // caption, shortcut, hint of the tool button, icon, handler
    const auto make = [this](const char* caption, const QKeySequence& shortcut, const char* hint,
                             const QIcon& icon, auto handler) {
        auto* action = new QAction(icon, QString::fromUtf8(caption), this);
        action->setShortcut(shortcut);
        if (hint != nullptr) {
            action->setToolTip(QString::fromUtf8(hint));
        }
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const QKeySequence none;

    c.fileNew = make("新規作成(&N)", QKeySequence(Qt::CTRL | Qt::Key_N), "新規作成(Ctrl+N)",
                     CommandIcon("document-new", QStyle::SP_FileIcon), [this] { FileNew(); });
    c.fileOpen = make("開く(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O), "開く(Ctrl+O)",
                      CommandIcon("document-open", QStyle::SP_DialogOpenButton),
                      [this] { files_->FileOpen(); });
    c.fileSave = make("上書き保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S), "上書き保存(Ctrl+S)",
                      CommandIcon("document-save", QStyle::SP_DialogSaveButton),
                      [this] { files_->FileSave(); });
    c.fileSaveAs = make("別名保存(&A)...", none, "別名保存", CommandIcon("document-save-as"),
                        [this] { files_->FileSaveAs(); });
    c.fileClose = make("閉じる(&C)", none, "閉じる",
                       CommandIcon("document-close", QStyle::SP_DialogCloseButton),
                       [this] { files_->FileClose(); });
    c.fileDocking = make("文書の最後にﾌｧｲﾙを連結(&D)", none, "文書の最後にﾌｧｲﾙを連結",
                         CommandIcon("list-add"), [this] { files_->FileDocking(); });
    c.fileInsert = make("ｶｰｿﾙ位置にﾌｧｲﾙを挿入(&I)", none, "ｶｰｿﾙ位置にﾌｧｲﾙを挿入",
                        CommandIcon("insert-text"), [this] { files_->FileInsert(*ActivePane()); });
    c.filePrint = make("印刷(&P)", QKeySequence(Qt::CTRL | Qt::Key_P), "印刷(Ctrl+P)",
                       CommandIcon("document-print"), [this] {
                           FilePrintItemClick(this, *Editor1, store_, *printer_, files_->FileName(),
                                              [this](int context) { ShowHelp(context); });
                       });
    c.filePrinterSetup = make("ﾌﾟﾘﾝﾀの設定(&U)", none, nullptr, QIcon(), [this] {
        PreparePrinter(*printer_, files_->FileName());
        FilePrinterSetupItemClick(this, *printer_);
    });
    c.fileExit =
        make("終了(&X)", QKeySequence(Qt::ALT | Qt::Key_F4), nullptr, QIcon(), [this] { close(); });

    c.editUndo = make("元に戻す(&U)", QKeySequence(Qt::CTRL | Qt::Key_U), "元に戻す(Ctrl+U)",
                      CommandIcon("edit-undo"), [this] { EditUndoItemClick(); });
    c.editRedo = make("やり直す(&R)", QKeySequence(Qt::CTRL | Qt::Key_R), "やり直す(Ctrl+R)",
                      CommandIcon("edit-redo"), [this] { EditRedoItemClick(); });
    c.editCut = make("切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X), "切り取り(Ctrl+X)",
                     CommandIcon("edit-cut"), [this] { EditCutItemClick(); });
    c.editCopy = make("ｺﾋﾟｰ(&C)", QKeySequence(Qt::CTRL | Qt::Key_C), "コピー(Ctrl+C)",
                      CommandIcon("edit-copy"), [this] { EditCopyItemClick(); });
    c.editAddCut = make("追加切り取り(&W)", QKeySequence(Qt::SHIFT | Qt::Key_F7),
                        "追加切り取り(Shift+F7)", QIcon(), [this] { EditAddCutItemClick(); });
    c.editAddCopy = make("追加ｺﾋﾟｰ(&A)", QKeySequence(Qt::SHIFT | Qt::Key_F8),
                         "追加コピー(Shift+F8)", QIcon(), [this] { EditAddCopyItemClick(); });
    c.editPaste = make("貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V), "貼り付け(Ctrl+V)",
                       CommandIcon("edit-paste"), [this] { EditPasteItemClick(); });
    c.editHistory = make("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ履歴(&H)", none, nullptr, QIcon(), [] {});
    c.editSelectAll =
        make("すべて選択(&S)", QKeySequence(Qt::CTRL | Qt::Key_A), "すべて選択(Ctrl+A)",
             CommandIcon("edit-select-all"), [this] { EditSelAllItemClick(); });
    c.editToday = make("日付の挿入(&D)", QKeySequence(Qt::CTRL | Qt::Key_D), "日付の挿入(Ctrl+D)",
                       CommandIcon("x-office-calendar"), [this] { EditTodayItemClick(); });
    c.editRight = make("右寄せ(&M)", none, "右寄せ", CommandIcon("format-justify-right"),
                       [this] { AlignLines(kAlignRight); });
    c.editCenter = make("中央寄せ(&N)", none, "中央寄せ", CommandIcon("format-justify-center"),
                        [this] { AlignLines(kAlignCentre); });
    c.editLeft = make("左寄せ(&L)", none, "左寄せ", CommandIcon("format-justify-left"),
                      [this] { AlignLines(kAlignLeft); });
    c.searchLetter = make("検索・置換文字の入力(&F)", QKeySequence(Qt::CTRL | Qt::Key_F), nullptr,
                          QIcon(), [this] { SearchLetterItemClick(); });
    c.posMemo = make("カーソル位置の記憶(&M)", QKeySequence(Qt::CTRL | Qt::Key_M),
                     "カーソル位置の記憶(Ctrl+M)", CommandIcon("bookmark-new"),
                     [this] { PosMemoItemClick(); });
    c.posJump =
        make("記憶した位置へ移動(&J)", QKeySequence(Qt::CTRL | Qt::Key_J),
             "記憶した位置へ移動(Ctrl+J)", CommandIcon("go-jump"), [this] { PosJumpItemClick(); });
    c.posJump->setEnabled(false);
    // The edit bar starts without paste until the clipboard is seen to hold text.
    c.editPaste->setEnabled(false);

    c.splitV = make("ｳｨﾝﾄﾞｳを縦に分割(&V)", none, "ｳｨﾝﾄﾞｳを縦に分割",
                    CommandIcon("view-split-top-bottom"), [this] { SplitVItemClick(); });
    c.splitH = make("ｳｨﾝﾄﾞｳを横に分割(&H)", none, "ｳｨﾝﾄﾞｳを横に分割",
                    CommandIcon("view-split-left-right"), [this] { SplitHItemClick(); });
    c.splitV->setCheckable(true);
    c.splitH->setCheckable(true);
    constexpr const char* kBandCaptions[] = {"ﾌｧｲﾙﾊﾞｰ", "編集ﾊﾞｰ", "表示・設定・ﾍﾙﾌﾟﾊﾞｰ",
                                             "検索文字入力ﾊﾞｰ", "検索ﾊﾞｰ"};
    for (int id = 0; id < kCoolBarBandCount; ++id) {
        c.viewCoolBar[id] = make(kBandCaptions[id], none, nullptr, QIcon(),
                                 [this, id] { ViewCoolBarItemClick(id); });
        c.viewCoolBar[id]->setCheckable(true);
    }

    c.option = make("設定(&O)", none, "設定", CommandIcon("preferences-system"),
                    [this] { OptionItemClick(); });
    c.box = make("BOX選択(&B)", QKeySequence(Qt::CTRL | Qt::Key_B), "BOX選択(Ctrl+B)", QIcon(),
                 [this] { BoxItemClick(); });
    c.box->setCheckable(true);
    c.readOnly = make("読み取り専用(&R)", none, "読み取り専用", QIcon(),
                      [this] { OptionReadOnlyItemClick(); });
    c.readOnly->setCheckable(true);
    const QKeySequence presetKeys[] = {QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_F12),
                                       QKeySequence(Qt::SHIFT | Qt::Key_F12)};
    for (int k = 1; k <= 3; ++k) {
        c.lineLength[k - 1] = make("", presetKeys[k - 1], nullptr, QIcon(),
                                   [this, k] { OptionMyLineLenItemClick(k); });
    }
    c.help = make("ﾍﾙﾌﾟ(&H)", QKeySequence(Qt::Key_F1), "ﾍﾙﾌﾟ(F1)",
                  CommandIcon("help-contents", QStyle::SP_DialogHelpButton),
                  [this] { HelpItemClick(); });
    c.about = make("ﾊﾞｰｼﾞｮﾝ情報(&A)", none, nullptr, QIcon(), [this] {
        TAboutBox about(this);
        about.exec();
    });
}

void TLogoAppForm::CreateMenus() {
    const TMainCommands& c = commands_;
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    connect(file, &QMenu::aboutToShow, this, [this] { FileMenuOpening(); });
    file->addActions({c.fileNew, c.fileOpen, c.fileSave, c.fileSaveAs, c.fileClose});
    file->addSeparator();
    file->addActions({c.fileDocking, c.fileInsert});
    file->addSeparator();
    file->addActions({c.filePrint, c.filePrinterSetup});
    recentSeparator_ = file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        recentItems_[i] = file->addAction(
            QString(), this, [this, i] { files_->OpenRecentFile(RecentFileValueIndex(i)); });
    }
    file->addSeparator();
    file->addAction(c.fileExit);
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

    QMenu* edit = menuBar()->addMenu(QString::fromUtf8("編集(&E)"));
    edit->addActions({c.editUndo, c.editRedo});
    edit->addSeparator();
    edit->addActions({c.editCut, c.editCopy, c.editAddCut, c.editAddCopy});
    edit->addSeparator();
    edit->addAction(c.editPaste);
    auto* history = new QMenu(c.editHistory->text(), edit);
    c.editHistory->setMenu(history);
    for (int i = 0; i < kClipboardHistorySize; ++i) {
        historyItems_[i] = history->addAction(QString(), this, [this, i] { HistoryItemsClick(i); });
        historyItems_[i]->setVisible(false);
    }
    edit->addActions({c.editHistory, c.editSelectAll});
    edit->addSeparator();
    edit->addAction(c.editToday);
    edit->addSeparator();
    edit->addActions({c.editRight, c.editCenter, c.editLeft});
    connect(edit, &QMenu::aboutToShow, this, [this, history] { EditMenuOpening(*history); });

    const TSearchActions& found = searchBars_->Actions();
    QMenu* search = menuBar()->addMenu(QString::fromUtf8("検索(&S)"));
    search->addActions({c.searchLetter, found.selectSearch, found.selectReplace});
    search->addSeparator();
    search->addActions({found.findNext, found.findBefore, found.replaceNext, found.replaceBefore,
                        found.replaceAll});
    search->addSeparator();
    search->addActions({c.posMemo, c.posJump});
    search->addSeparator();
    search->addActions({found.searchHome, found.searchEnd});

    QMenu* view = menuBar()->addMenu(QString::fromUtf8("表示(&V)"));
    for (QAction* band : c.viewCoolBar) {
        view->addAction(band);
    }
    view->addSeparator();
    view->addActions({c.splitV, c.splitH});

    QMenu* option = menuBar()->addMenu(QString::fromUtf8("設定(&O)"));
    option->addActions({c.option, c.box, c.readOnly});
    connect(option, &QMenu::aboutToShow, this,
            [this] { commands_.readOnly->setChecked(Editor1->ReadOnly()); });
    option->addSeparator();
    for (QAction* preset : c.lineLength) {
        option->addAction(preset);
    }

    QMenu* help = menuBar()->addMenu(QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    help->addActions({c.help, c.about});

    // The panes' context menu: its items mirror the commands and are shown
    // only while the command is available.
    popupMenu_ = new QMenu(this);
    const auto mirror = [this](QAction* command) {
        QAction* item = popupMenu_->addAction(command->text());
        connect(item, &QAction::triggered, command, &QAction::trigger);
        item->setData(QVariant::fromValue(static_cast<QObject*>(command)));
        return item;
    };
    QAction* undo = mirror(c.editUndo);
    QAction* redo = mirror(c.editRedo);
    QAction* afterRedo = popupMenu_->addSeparator();
    mirror(c.editCut);
    mirror(c.editCopy);
    mirror(c.editAddCut);
    QAction* addCopy = mirror(c.editAddCopy);
    QAction* afterAddCopy = popupMenu_->addSeparator();
    QAction* toSearch = mirror(found.selectSearch);
    toSearch->setText(QString::fromUtf8("選択文字を検索文字にする(&K)"));
    QAction* toReplace = mirror(found.selectReplace);
    toReplace->setText(QString::fromUtf8("選択文字を置換文字にする(&I)"));
    QAction* afterSelectionItems = popupMenu_->addSeparator();
    QAction* paste = mirror(c.editPaste);
    auto* popupHistory = new QMenu(c.editHistory->text(), popupMenu_);
    for (int i = 0; i < kClipboardHistorySize; ++i) {
        popupHistoryItems_[i] =
            popupHistory->addAction(QString(), this, [this, i] { HistoryItemsClick(i); });
        popupHistoryItems_[i]->setVisible(false);
    }
    QAction* historyItem = popupMenu_->addMenu(popupHistory);
    QAction* selectAll = mirror(c.editSelectAll);
    QAction* afterSelectAll = popupMenu_->addSeparator();
    QAction* today = mirror(c.editToday);
    QAction* afterToday = popupMenu_->addSeparator();
    mirror(c.editLeft);
    mirror(c.editCenter);
    QAction* right = mirror(c.editRight);
    connect(popupMenu_, &QMenu::aboutToShow, this, [=, this] {
        EditMenuOpening(*popupHistory);
        for (QAction* item : popupMenu_->actions()) {
            if (auto* command = qobject_cast<QAction*>(item->data().value<QObject*>())) {
                item->setVisible(command->isEnabled() && command->isVisible());
            }
        }
        historyItem->setVisible(!history_.Empty() && !Editor1->ReadOnly());
        afterRedo->setVisible(undo->isVisible() || redo->isVisible());
        afterAddCopy->setVisible(addCopy->isVisible());
        // The selection items follow the pane itself, not the last update
        // of their buttons.
        const bool selected = ActivePane()->SelLength() > 0;
        toSearch->setVisible(selected);
        toReplace->setVisible(selected && !Editor1->ReadOnly());
        afterSelectionItems->setVisible(toSearch->isVisible() || toReplace->isVisible());
        afterSelectAll->setVisible(selectAll->isVisible() || historyItem->isVisible() ||
                                   paste->isVisible());
        afterToday->setVisible(today->isVisible() && right->isVisible());
    });
}

void TLogoAppForm::CreateToolBars() {
    const TMainCommands& c = commands_;
    coolBar_ = new TCoolBar(*this);
    coolBar_->Band(0)->addActions({c.fileNew, c.fileOpen, c.fileSave, c.fileSaveAs, c.fileClose,
                                   c.fileDocking, c.fileInsert, c.filePrint});
    coolBar_->Band(1)->addActions({c.editUndo, c.editRedo, c.editCut, c.editCopy, c.editAddCut,
                                   c.editAddCopy, c.editPaste, c.editSelectAll, c.editToday,
                                   c.editLeft, c.editCenter, c.editRight});
    coolBar_->Band(2)->addActions({c.splitH, c.splitV, c.option, c.box, c.readOnly, c.help});
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
    commands_.fileSave->setEnabled(state.save);
    commands_.fileSaveAs->setEnabled(state.saveAs);
    commands_.fileClose->setEnabled(state.close);
    commands_.filePrint->setEnabled(state.print);
    commands_.fileDocking->setEnabled(state.merge);
    commands_.fileInsert->setEnabled(state.merge);
    const auto items = RecentFileItems(store_);
    recentSeparator_->setVisible(items[0].visible);
    for (int i = 0; i < kRecentFileCount; ++i) {
        recentItems_[i]->setVisible(items[i].visible);
        recentItems_[i]->setText(Ui(items[i].caption));
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

// The history submenu (of the Edit menu or of the context menu) as it opens.
void TLogoAppForm::EditMenuOpening(QMenu& history) {
    commands_.editHistory->setEnabled(!history_.Empty() && !Editor1->ReadOnly());
    const std::vector<std::string>& entries = history_.Entries();
    const QList<QAction*> items = history.actions();
    for (int i = 0; i < static_cast<int>(entries.size()) && i < items.size(); ++i) {
        items[i]->setText(Ui(HistoryCaption(entries[i], i)));
        items[i]->setVisible(true);
    }
}

} // namespace mojiro
