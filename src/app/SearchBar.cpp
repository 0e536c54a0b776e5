#include "app/SearchBar.h"

#include "app/UiText.h"
#include "platform/Cp932Codec.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolBar>
#include <functional>

namespace mojiro {
namespace {

constexpr int kBoxWidth = 160;
constexpr int kBoxFontPixels = 13;

QString BoxText(const std::string& cp932) {
    return Ui(Cp932ToUtf8(cp932));
}

std::string Cp932(const QString& text) {
    return Utf8ToCp932(Utf8(text)).bytes;
}

void FillList(QComboBox& box, const TSearchHistory& history) {
    // The list changes, the text in the box does not.
    const QSignalBlocker blocker(box);
    const QString text = box.currentText();
    box.clear();
    for (const std::string& entry : history.Entries())
        box.addItem(BoxText(entry));
    box.setEditText(text);
}

QAction* MakeAction(QObject& owner, const char* text, QKeySequence key, const char* hint,
                    std::function<void()> run) {
    auto* action = new QAction(Ui(text), &owner);
    action->setShortcut(key);
    action->setToolTip(Ui(hint));
    QObject::connect(action, &QAction::triggered, &owner, std::move(run));
    return action;
}

} // namespace

TSearchBars::TSearchBars(QToolBar& textBar, QToolBar& buttonBar, TSearchCommands& commands,
                         std::initializer_list<QAction*> caretMemory)
    : QObject(&textBar), commands_(commands) {
    TSearchCommands& c = commands_;
    TSearchActions& a = actions_;
    a.selectSearch = MakeAction(*this, "選択文字を検索文字に(&K)", {}, "選択文字を検索文字にする",
                                [&c] { c.SelectionToSearchText(); });
    a.selectReplace = MakeAction(*this, "選択文字を置換文字に(&I)", {}, "選択文字を置換文字にする",
                                 [&c] { c.SelectionToReplaceText(); });
    a.findNext = MakeAction(*this, "次を検索(&N)", QKeySequence(Qt::Key_F3), "次を検索(F3)",
                            [&c] { c.FindNext(); });
    a.findBefore = MakeAction(*this, "前を検索(&P)", QKeySequence(Qt::Key_F2), "前を検索(F2)",
                              [&c] { c.FindPrevious(); });
    a.replaceNext = MakeAction(*this, "置換して次を検索(&O)", QKeySequence(Qt::SHIFT | Qt::Key_F3),
                               "置換して次を検索(Shift+F3)", [&c] { c.ReplaceAndFindNext(); });
    a.replaceBefore =
        MakeAction(*this, "置換して前を検索(&Q)", QKeySequence(Qt::SHIFT | Qt::Key_F2),
                   "置換して前を検索(Shift+F2)", [&c] { c.ReplaceAndFindPrevious(); });
    a.replaceAll = MakeAction(*this, "すべて置換(&A)", {}, "すべて置換", [&c] { c.ReplaceAll(); });
    a.searchHome = MakeAction(*this, "文頭へ(&T)", QKeySequence(Qt::CTRL | Qt::Key_Home),
                              "文頭へ(Ctrl+Home)", [&c] { c.ToBeginning(); });
    a.searchEnd = MakeAction(*this, "文末へ(&B)", QKeySequence(Qt::CTRL | Qt::Key_End),
                             "文末へ(Ctrl+End)", [&c] { c.ToEnd(); });
    for (QAction* action : {a.replaceNext, a.replaceBefore, a.replaceAll})
        action->setEnabled(false);

    textBar.addWidget(new QLabel(Ui("検索\n文字"), &textBar));
    searchBox_ = MakeBox(textBar, "ここに検索する文字を入力");
    textBar.addAction(a.selectSearch);
    textBar.addWidget(new QLabel(Ui("置換\n文字"), &textBar));
    replaceBox_ = MakeBox(textBar, "ここに置換する文字を入力");
    textBar.addAction(a.selectReplace);
    connect(searchBox_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { commands_.SearchTextChanged(Cp932(text)); });
    connect(replaceBox_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { commands_.ReplaceTextChanged(Cp932(text)); });

    buttonBar.addActions({a.findNext, a.findBefore, a.replaceNext, a.replaceBefore, a.replaceAll});
    for (QAction* action : caretMemory)
        buttonBar.addAction(action);
    buttonBar.addActions({a.searchHome, a.searchEnd});
}

QComboBox* TSearchBars::MakeBox(QToolBar& bar, const char* hint) {
    auto* box = new QComboBox(&bar);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // the history is the commands' to keep
    box->setFixedWidth(kBoxWidth);
    box->setToolTip(Ui(hint));
    QFont font(Ui("ＭＳ ゴシック"));
    font.setPixelSize(kBoxFontPixels);
    box->setFont(font);
    box->lineEdit()->installEventFilter(this);
    bar.addWidget(box);
    return box;
}

void TSearchBars::ShowButtons(const SearchButtons& buttons) {
    const auto show = [](const std::optional<bool>& state, std::initializer_list<QAction*> list) {
        if (state) {
            for (QAction* action : list)
                action->setEnabled(*state);
        }
    };
    show(buttons.find, {actions_.findNext, actions_.findBefore});
    show(buttons.replace, {actions_.replaceNext, actions_.replaceBefore});
    show(buttons.replaceAll, {actions_.replaceAll});
    show(buttons.selectSearch, {actions_.selectSearch});
    show(buttons.selectReplace, {actions_.selectReplace});
    if (buttons.selectAll)
        emit SelectAllAvailable(*buttons.selectAll);
}

void TSearchBars::ShowSearchHistory(const TSearchHistory& history) {
    FillList(*searchBox_, history);
}

void TSearchBars::ShowReplaceHistory(const TSearchHistory& history) {
    FillList(*replaceBox_, history);
}

void TSearchBars::SetSearchBoxText(const std::string& text) {
    searchBox_->setEditText(BoxText(text));
}

void TSearchBars::SetReplaceBoxText(const std::string& text) {
    replaceBox_->setEditText(BoxText(text));
}

void TSearchBars::FocusSearchBox() {
    searchBox_->setFocus();
}

void TSearchBars::FocusReplaceBox() {
    replaceBox_->setFocus();
}

void TSearchBars::SetReadOnly(bool readOnly) {
    replaceBox_->setEnabled(!readOnly);
    if (readOnly)
        ShowButtons({.replace = false, .replaceAll = false, .selectReplace = false});
}

bool TSearchBars::eventFilter(QObject* watched, QEvent* event) {
    const bool search = watched == searchBox_->lineEdit();
    if (!search && watched != replaceBox_->lineEdit())
        return QObject::eventFilter(watched, event);
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (search)
            commands_.SearchBoxEntered(Cp932(edit->text()));
        else
            commands_.ReplaceBoxEntered(Cp932(edit->text()));
        break;
    case QEvent::FocusOut:
        if (search)
            commands_.SearchBoxLeft();
        else
            commands_.ReplaceBoxLeft();
        emit BoxLeft();
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            commands_.ReturnPressed(actions_.findNext->isEnabled()))
            return true;
        break;
    }
    case QEvent::KeyRelease:
        emit BoxKeyReleased(edit->hasSelectedText());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace mojiro
