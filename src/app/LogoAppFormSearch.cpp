// The window's side of searching: the two search bars in the cool bar, the
// search commands behind them, and what the commands ask of the window.
#include "app/CoolBar.h"
#include "app/LogoAppForm.h"
#include "app/SearchBar.h"
#include "editor/control/TEditor.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>

namespace mojiro {

class TWindowSearchHost : public SearchHost {
public:
    explicit TWindowSearchHost(TLogoAppForm& window) : window_(window) {}

    TCustomEditor& ActivePane() override { return *window_.ActivePane(); }
    void FocusActivePane() override { window_.ActivePane()->setFocus(); }
    void FocusSearchBox() override { window_.searchBars_->FocusSearchBox(); }
    void FocusReplaceBox() override { window_.searchBars_->FocusReplaceBox(); }
    void ShowMessage(const std::string& text) override { window_.SetPanel(5, text); }
    void Beep() override { QApplication::beep(); }
    void RepaintActivePane() override { window_.ActivePane()->viewport()->update(); }
    void ShowButtons(const SearchButtons& buttons) override {
        window_.searchBars_->ShowButtons(buttons);
    }
    void ShowSearchHistory(const TSearchHistory& history) override {
        window_.searchBars_->ShowSearchHistory(history);
    }
    void ShowReplaceHistory(const TSearchHistory& history) override {
        window_.searchBars_->ShowReplaceHistory(history);
    }
    void SetSearchBoxText(const std::string& text) override {
        window_.searchBars_->SetSearchBoxText(text);
    }
    void SetReplaceBoxText(const std::string& text) override {
        window_.searchBars_->SetReplaceBoxText(text);
    }

private:
    TLogoAppForm& window_;
};

void TLogoAppForm::CreateSearchBars() {
    searchHost_ = std::make_unique<TWindowSearchHost>(*this);
    search_ = std::make_unique<TSearchCommands>(*searchHost_);
    searchBars_ = new TSearchBars(*coolBar_->Band(3), *coolBar_->Band(4), *search_,
                                  {commands_.posMemo, commands_.posJump});
    connect(searchBars_, &TSearchBars::BoxLeft, this, [this] {
        Editor1SelectionChange();
        commands_.editSelectAll->setEnabled(Editor1->TextLength() > 0);
    });
    connect(searchBars_, &TSearchBars::BoxKeyReleased, this, [this](bool hasSelectedText) {
        for (QAction* command :
             {commands_.editCut, commands_.editAddCut, commands_.editCopy, commands_.editAddCopy}) {
            command->setEnabled(hasSelectedText);
        }
    });
    connect(searchBars_, &TSearchBars::SelectAllAvailable, commands_.editSelectAll,
            &QAction::setEnabled);
}

void TLogoAppForm::SearchLetterItemClick() {
    if (!searchBarShown_) {
        // Until the next entry into a pane.
        coolBar_->SetBandVisible(3, true);
    }
    searchBars_->FocusSearchBox();
}

} // namespace mojiro
