// How the window looks beyond the editor's own painting: tool bars shown and
// hidden, the split view over one document, the marks over tabs and
// full-width spaces, the click that turns a double-clicked word into its
// line, and help.
#include "app/CoolBar.h"
#include "app/LogoAppForm.h"
#include "editor/control/TEditor.h"
#include "settings/EditorProp.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace mojiro {

// ---- tool bars ---------------------------------------------------------------

void TLogoAppForm::ViewCoolBarItemClick(int id) {
    // The item is checkable: Qt has inverted its check mark already.
    const bool visible = commands_.viewCoolBar.at(id)->isChecked();
    coolBar_->SetBandVisible(id, visible);
    if (id == 3) {
        searchBarShown_ = visible;
    }
    Editor1Change();
}

// ---- split view ----------------------------------------------------------------

void TLogoAppForm::SplitVItemClick() {
    ToggleSplit(SplitKind::AboveEachOther);
}

void TLogoAppForm::SplitHItemClick() {
    ToggleSplit(SplitKind::SideBySide);
}

void TLogoAppForm::ToggleSplit(SplitKind kind) {
    if (split_ == kind) {
        CloseSplit();
    } else {
        OpenSplit(kind);
    }
    commands_.splitV->setChecked(split_ == SplitKind::AboveEachOther);
    commands_.splitH->setChecked(split_ == SplitKind::SideBySide);
}

void TLogoAppForm::OpenSplit(SplitKind kind) {
    split_ = kind;
    splitter_->setOrientation(kind == SplitKind::AboveEachOther ? Qt::Vertical : Qt::Horizontal);
    if (editor2_ == nullptr) {
        // The same appearance and wrapping options, the same document.
        editor2_ = new TEditor(splitter_);
        TEditorProp prop;
        prop.SetDesignValues();
        prop.AssignFrom(*Editor1);
        prop.AssignTo(*editor2_);
        editor2_->SetWantTabs(true);
        editor2_->SetWantReturns(true);
        editor2_->SetImeMode(Editor1->ImeMode());
        editor2_->SetPopupMenu(popupMenu_);
        editor2_->AttachTo(*Editor1);
        editor2_->SetReadOnly(Editor1->ReadOnly());
        editor2_->SetSelectionMode(Editor1->SelectionMode());
        ConnectPane(*editor2_);
        editor2_->show();
    }
    LayOutSplit();
    // The second pane starts where the first pane's view ends.
    const int row = Editor1->TopRow() + Editor1->PageRows();
    editor2_->SetTopRow(row);
    editor2_->SetRowCol(row, 0);
}

void TLogoAppForm::CloseSplit() {
    split_ = SplitKind::None;
    if (editor2_ != nullptr) {
        if (editor2_->hasFocus()) {
            Editor1->setFocus();
        }
        TEditor* pane = editor2_;
        editor2_ = nullptr;
        activePane_ = Editor1;
        DisconnectPane(*pane);
        delete pane;
    }
    Editor1Change();
}

// Each pane takes half of the room; moving the splitter lasts until the
// window is resized.
void TLogoAppForm::LayOutSplit() {
    if (split_ == SplitKind::None) {
        return;
    }
    const int room = split_ == SplitKind::AboveEachOther ? splitter_->height() : splitter_->width();
    const int first = room / 2;
    splitter_->setSizes({first, room - first - splitter_->handleWidth()});
}

void TLogoAppForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOutSplit();
}

bool TLogoAppForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == Editor1 || watched == editor2_)) {
        // Entering a pane makes it the active one and ends a search-text bar
        // that Ctrl+F showed only for the moment.
        activePane_ = static_cast<TEditor*>(watched);
        if (!searchBarShown_) {
            coolBar_->SetBandVisible(3, false);
        }
        Editor1SelectionChange();
        Editor1CaretMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- marks over tabs and full-width spaces ------------------------------

void TLogoAppForm::Editor1DrawLine(TEditor* sender, QPainter& painter, int y, int index,
                                   const QRect& rect, bool selected) {
    DrawBlankMarks(*sender, painter, y, index, rect, selected, held_.marks);
}

// ---- clicks ------------------------------------------------------------------------

void TLogoAppForm::EditorDblClick(TEditor* sender) {
    const TCustomEditor::Point caret = sender->CaretPixelPos();
    // A web or mail address is taken whole, as the view settings scan it.
    const TokenKind kind = sender->TokenAtPos(caret.x, caret.y, true).kind;
    sender->SelectTokenAtPos(caret.x, caret.y,
                             kind == TokenKind::tkUrl || kind == TokenKind::tkMail);
    lineSelectArmed_ = true;
    wordSelStart_ = sender->SelStart();
    wordSelLength_ = sender->SelLength();
}

void TLogoAppForm::EditorClick(TEditor* sender) {
    const TCustomEditor::Point caret = sender->CaretPixelPos();
    const RowCol place = sender->PosToRowCol(caret.x, caret.y, false);
    const std::ptrdiff_t i = sender->CharIndexFromPos(caret.x, caret.y);
    const bool inside =
        i >= wordSelStart_ && i < wordSelStart_ + wordSelLength_ && sender->SelLength() > 0;
    if (!inside) {
        if (sender->PosInSelection(place.row, place.col) && i != sender->SelStart() && i != -1) {
            sender->CleanSelection();
        }
    } else if (lineSelectArmed_) {
        // The whole logical line with its line break.
        const std::ptrdiff_t start = i - sender->LineOffsetFromRowCol(place.row, place.col);
        const int line = sender->ListInfo().RowToLine(place.row);
        sender->SetSelStart(start);
        sender->SetSelLength(static_cast<std::ptrdiff_t>(sender->Lines().Get(line).size()) + 2);
    } else {
        sender->CleanSelection();
    }
    lineSelectArmed_ = false;
}

// ---- help ------------------------------------------------------------------------

void TLogoAppForm::HelpItemClick() {
    ShowHelp(0);
}

void TLogoAppForm::ShowHelp(int context) {
    // Installed beside the program's data, or in the source tree when run
    // from a build folder.
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {program.filePath(QStringLiteral("../share/doc/mojiro/help/index.html")),
          QStringLiteral(MOJIRO_SOURCE_HELP)}) {
        if (QFileInfo::exists(candidate)) {
            QUrl page = QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath());
            page.setFragment(context == 0 ? QStringLiteral("contents")
                                          : QStringLiteral("context-%1").arg(context));
            QDesktopServices::openUrl(page);
            return;
        }
    }
    Warn("ﾍﾙﾌﾟﾌｧｲﾙが見つかりません");
}

} // namespace mojiro
