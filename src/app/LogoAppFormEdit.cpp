// The edit commands of the window: undo and redo, the clipboard with
// append-cut and append-copy, the clipboard history, select all and box mode.
// Each acts on the search or replace box when one has the focus, else on the
// active pane.
#include "app/CoolBar.h"
#include "app/DateInsertion.h"
#include "app/LineAlignment.h"
#include "app/LogoAppForm.h"
#include "app/SearchBar.h"
#include "app/UiText.h"
#include "editor/control/ClipboardMime.h"
#include "editor/control/TEditor.h"
#include "platform/Cp932Codec.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>
#include <exception>
#include <optional>

namespace mojiro {

namespace {

// The clipboard's text as CP932, or nothing when it holds no text.
std::optional<std::string> ClipboardCp932() {
    const std::optional<ClipboardContent> content =
        ReadClipboardMime(QGuiApplication::clipboard()->mimeData());
    if (!content) {
        return std::nullopt;
    }
    return content->text;
}

void SetClipboardCp932(const std::string& text) {
    QGuiApplication::clipboard()->setMimeData(MakeClipboardMime(text, false).release());
}

} // namespace

QLineEdit* TLogoAppForm::FocusedBox() const {
    if (search_->SearchBoxFocused()) {
        return searchBars_->SearchLetterCb()->lineEdit();
    }
    if (search_->ReplaceBoxFocused()) {
        return searchBars_->ReplaceLetterCb()->lineEdit();
    }
    return nullptr;
}

void TLogoAppForm::EditUndoItemClick() {
    ActivePane()->Undo();
    Editor1Change();
}

void TLogoAppForm::EditRedoItemClick() {
    ActivePane()->Redo();
    Editor1Change();
}

void TLogoAppForm::EditCutItemClick() {
    if (QLineEdit* box = FocusedBox()) {
        box->cut();
        return;
    }
    TEditor* pane = ActivePane();
    pane->CopyToClipboard();
    pane->DeleteSelection();
}

void TLogoAppForm::EditCopyItemClick() {
    if (QLineEdit* box = FocusedBox()) {
        box->copy();
        return;
    }
    ActivePane()->CopyToClipboard();
}

void TLogoAppForm::EditPasteItemClick() {
    if (QLineEdit* box = FocusedBox()) {
        box->paste();
        return;
    }
    ActivePane()->PasteFromClipboard();
}

void TLogoAppForm::EditAddCopyItemClick() {
    const std::optional<std::string> held = ClipboardCp932();
    if (!held) {
        return; // nothing to add to
    }
    if (QLineEdit* box = FocusedBox()) {
        QGuiApplication::clipboard()->setText(Ui(Cp932ToUtf8(*held)) + box->selectedText());
        return;
    }
    SetClipboardCp932(*held + ActivePane()->SelText());
}

void TLogoAppForm::EditAddCutItemClick() {
    const std::optional<std::string> held = ClipboardCp932();
    if (QLineEdit* box = FocusedBox()) {
        const QString before = held ? Ui(Cp932ToUtf8(*held)) : QString();
        QGuiApplication::clipboard()->setText(before + box->selectedText());
        box->del();
        return;
    }
    TEditor* pane = ActivePane();
    if (held) {
        SetClipboardCp932(*held + pane->SelText());
    } else {
        pane->CopyToClipboard();
    }
    pane->DeleteSelection();
}

void TLogoAppForm::EditSelAllItemClick() {
    if (QLineEdit* box = FocusedBox()) {
        box->selectAll();
        return;
    }
    ActivePane()->SelectAll();
}

void TLogoAppForm::ReplaceTargetSelection(const std::string& cp932) {
    if (QLineEdit* box = FocusedBox()) {
        box->insert(Ui(Cp932ToUtf8(cp932)));
        return;
    }
    ActivePane()->SetSelText(cp932);
}

void TLogoAppForm::HistoryItemsClick(int i) {
    if (i < 0 || i >= static_cast<int>(history_.Entries().size())) {
        return;
    }
    ReplaceTargetSelection(history_.Entries()[i]);
    history_.MoveToFront(i);
}

void TLogoAppForm::BoxItemClick() {
    const bool box = Editor1->SelectionMode() != TEditorSelectionMode::smBox;
    const TEditorSelectionMode mode =
        box ? TEditorSelectionMode::smBox : TEditorSelectionMode::smStream;
    Editor1->SetSelectionMode(mode);
    if (editor2_ != nullptr) {
        editor2_->SetSelectionMode(mode);
    }
    // The editor refuses the switch while the selection is being dragged.
    const bool nowBox = Editor1->SelectionMode() == TEditorSelectionMode::smBox;
    SetPanel(4, BoxModeText(nowBox));
    commands_.box->setChecked(nowBox);
}

void TLogoAppForm::EditTodayItemClick() {
    ReplaceTargetSelection(TodayText(held_.todayIndex, CurrentLocalTime(), store_));
}

void TLogoAppForm::AlignLines(int divisor) {
    mojiro::AlignLines(*ActivePane(), Editor1->WrapOption().WrapByte(), divisor);
}

void TLogoAppForm::PosMemoItemClick() {
    caretMemory_.Remember(*ActivePane());
    commands_.posJump->setEnabled(caretMemory_.CanJump());
}

void TLogoAppForm::PosJumpItemClick() {
    caretMemory_.Jump(*ActivePane());
}

void TLogoAppForm::DisableCaretJump() {
    caretMemory_.Disable();
    commands_.posJump->setEnabled(false);
}

void TLogoAppForm::Editor1SelectionChange() {
    // Emptiness only: the selected text itself may be the whole document.
    const bool selected = ActivePane()->SelLength() > 0;
    commands_.editCopy->setEnabled(selected);
    commands_.editAddCopy->setEnabled(selected);
    searchBars_->ShowButtons(SelectionButtons(search_->SearchText(), *ActivePane()));
    if (!Editor1->ReadOnly()) {
        commands_.editCut->setEnabled(selected);
        commands_.editAddCut->setEnabled(selected);
    }
}

void TLogoAppForm::UpdatePasteCommand(bool clipboardHoldsText) {
    if (!Editor1->ReadOnly()) {
        commands_.editPaste->setEnabled(clipboardHoldsText);
    }
}

void TLogoAppForm::ClipboardWatcher1Change() {
    try {
        const std::optional<std::string> text = ClipboardCp932();
        UpdatePasteCommand(text.has_value());
        if (text) {
            history_.Enter(*text);
        }
    } catch (const std::exception& error) {
        // The watcher goes on listening.
        ShowError(error.what());
    }
}

} // namespace mojiro
