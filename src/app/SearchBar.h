// TSearchBars: the two tool bars of searching. The search-text bar (ToolBar4)
// holds the search box and the replace box with their history lists, the
// search bar (ToolBar5) the buttons of the search commands. The bars show
// what TSearchCommands decides and hand the boxes' events and the buttons'
// clicks to it; the window supplies the rest of SearchHost and places the
// bars in its cool bar.
#pragma once

#include "app/SearchCommands.h"

#include <QObject>
#include <initializer_list>
#include <string>

class QAction;
class QComboBox;
class QToolBar;

namespace mojiro {

// The search commands, shared by their buttons and the "検索(&S)" menu.
struct TSearchActions {
    QAction *selectSearch, *selectReplace;
    QAction *findNext, *findBefore, *replaceNext, *replaceBefore, *replaceAll;
    QAction *searchHome, *searchEnd;
};

class TSearchBars : public QObject {
    Q_OBJECT

public:
    // Fills the two (empty) bars; `caretMemory` are the buttons that sit
    // between the replace buttons and the caret commands.
    TSearchBars(QToolBar& textBar, QToolBar& buttonBar, TSearchCommands& commands,
                std::initializer_list<QAction*> caretMemory);

    [[nodiscard]] const TSearchActions& Actions() const { return actions_; }
    [[nodiscard]] QComboBox* SearchLetterCb() const { return searchBox_; }
    [[nodiscard]] QComboBox* ReplaceLetterCb() const { return replaceBox_; }

    // ---- the widget side of SearchHost (texts CP932) ----------------------
    void ShowButtons(const SearchButtons& buttons);
    void ShowSearchHistory(const TSearchHistory& history);
    void ShowReplaceHistory(const TSearchHistory& history);
    void SetSearchBoxText(const std::string& text);
    void SetReplaceBoxText(const std::string& text);
    void FocusSearchBox();
    void FocusReplaceBox();

    // Read-only mode: the replace box and the replace buttons are off.
    void SetReadOnly(bool readOnly);

signals:
    // A box lost the focus (the window runs its selection handler).
    void BoxLeft();
    // A key was released in a box that has, or has not, selected text.
    void BoxKeyReleased(bool hasSelectedText);
    // Select-all works on the box while it has text.
    void SelectAllAvailable(bool available);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* MakeBox(QToolBar& bar, const char* hint);

    TSearchCommands& commands_;
    TSearchActions actions_{};
    QComboBox* searchBox_ = nullptr;
    QComboBox* replaceBox_ = nullptr;
};

} // namespace mojiro
