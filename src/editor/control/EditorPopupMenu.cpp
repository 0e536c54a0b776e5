#include "editor/control/EditorPopupMenu.h"

#include "editor/control/ClipboardMime.h"
#include "editor/control/TEditor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>

namespace mojiro {

TEditorPopupMenu::TEditorPopupMenu(TEditor* editor) : QMenu(editor), editor_(editor) {
    CreateItems();
    connect(this, &QMenu::aboutToShow, this, [this] { PopupMenuPopup(); });
}

QAction* TEditorPopupMenu::AddItem(const QString& caption, const char* shortcut,
                                   void (TEditorPopupMenu::*action)()) {
    QAction* item = addAction(caption);
    if (shortcut != nullptr)
        item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    // Through the member pointer, so that a derived menu's action runs.
    connect(item, &QAction::triggered, this, [this, action] { (this->*action)(); });
    item->setEnabled(false);
    return item;
}

// The shortcuts are shown as the control's users know them; the control
// binds none of them itself.
void TEditorPopupMenu::CreateItems() {
    undoItem_ = AddItem(QStringLiteral("元に戻す(&U)"), "Ctrl+Z", &TEditorPopupMenu::UndoItemClick);
    redoItem_ = AddItem(QStringLiteral("やり直し(&R)"), "Ctrl+A", &TEditorPopupMenu::RedoItemClick);
    addSeparator();
    cutItem_ = AddItem(QStringLiteral("切り取り(&T)"), "Ctrl+X", &TEditorPopupMenu::CutItemClick);
    copyItem_ = AddItem(QStringLiteral("コピー(&C)"), "Ctrl+C", &TEditorPopupMenu::CopyItemClick);
    pasteItem_ =
        AddItem(QStringLiteral("貼り付け(&P)"), "Ctrl+V", &TEditorPopupMenu::PasteItemClick);
    boxPasteItem_ =
        AddItem(QStringLiteral("Box貼り付け(&B)"), "Ctrl+B", &TEditorPopupMenu::BoxPasteItemClick);
    deleteItem_ = AddItem(QStringLiteral("削除(&D)"), nullptr, &TEditorPopupMenu::DeleteItemClick);
    addSeparator();
    selectAllItem_ =
        AddItem(QStringLiteral("すべて選択(&A)"), nullptr, &TEditorPopupMenu::SelectAllItemClick);
    addSeparator();
    boxSelectionModeItem_ = AddItem(QStringLiteral("Box選択モード(&K)"), "Ctrl+K",
                                    &TEditorPopupMenu::BoxSelectionModeItemClick);
    boxSelectionModeItem_->setCheckable(true);
    boxSelectionModeItem_->setEnabled(true);
}

void TEditorPopupMenu::PopupMenuPopup() {
    if (editor_ == nullptr)
        return;
    const TEditor& e = *editor_;
    const bool writable = !e.ReadOnly();
    const bool selected = e.SelLength() > 0;
    const bool clipboardText = HoldsClipboardText(QGuiApplication::clipboard()->mimeData());
    undoItem_->setEnabled(e.CanUndo() && writable);
    redoItem_->setEnabled(e.CanRedo() && writable);
    cutItem_->setEnabled(selected && writable);
    copyItem_->setEnabled(selected);
    pasteItem_->setEnabled(clipboardText && writable);
    boxPasteItem_->setEnabled(clipboardText && writable);
    deleteItem_->setEnabled(selected && writable);
    selectAllItem_->setEnabled(e.TextLength() > 0);
    boxSelectionModeItem_->setEnabled(true);
    boxSelectionModeItem_->setChecked(e.SelectionMode() == TEditorSelectionMode::smBox);
}

void TEditorPopupMenu::UndoItemClick() {
    editor_->Undo();
}

void TEditorPopupMenu::RedoItemClick() {
    editor_->Redo();
}

void TEditorPopupMenu::CutItemClick() {
    editor_->CutToClipboard();
}

void TEditorPopupMenu::CopyItemClick() {
    editor_->CopyToClipboard();
}

void TEditorPopupMenu::PasteItemClick() {
    editor_->PasteFromClipboard();
}

// Any text goes in as a box, whether or not it was copied as one.
void TEditorPopupMenu::BoxPasteItemClick() {
    std::optional<ClipboardContent> content =
        ReadClipboardMime(QGuiApplication::clipboard()->mimeData());
    if (!content)
        return;
    if (content->replaced > 0 && editor_->OnCharactersReplaced)
        editor_->OnCharactersReplaced(editor_, content->replaced);
    editor_->BoxPaste(content->text);
}

void TEditorPopupMenu::DeleteItemClick() {
    editor_->DeleteSelection();
}

void TEditorPopupMenu::SelectAllItemClick() {
    editor_->SelectAll();
}

void TEditorPopupMenu::BoxSelectionModeItemClick() {
    editor_->SetSelectionMode(boxSelectionModeItem_->isChecked() ? TEditorSelectionMode::smBox
                                                                 : TEditorSelectionMode::smStream);
}

} // namespace mojiro
