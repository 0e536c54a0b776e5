// The Qt events of the editor control: keys, input-method text, the mouse,
// the wheel, the scroll bars and the context menu, handed to the view's
// input operations.
#include "editor/VirtualKeys.h"
#include "editor/control/EditorPopupMenu.h"
#include "editor/control/TEditor.h"
#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

namespace mojiro {

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

int VirtualKeyOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return VK_A + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return VK_0 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Kana_Lock:
    case Qt::Key_Katakana:
    case Qt::Key_Hiragana_Katakana:
        return VK_KANA;
    case Qt::Key_Kanji:
    case Qt::Key_Zenkaku_Hankaku:
        return VK_KANJI;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Henkan:
        return VK_CONVERT;
    case Qt::Key_Muhenkan:
        return VK_NONCONVERT;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Help:
        return VK_HELP;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return VK_LWIN;
    case Qt::Key_Menu:
        return VK_APPS;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    default:
        return 0; // a key with no code of its own; its text still types
    }
}

TCustomEditor::ShiftState ShiftOf(Qt::KeyboardModifiers modifiers,
                                  Qt::MouseButtons buttons = Qt::NoButton) {
    TCustomEditor::ShiftState shift;
    shift.shift = modifiers.testFlag(Qt::ShiftModifier);
    shift.ctrl = modifiers.testFlag(Qt::ControlModifier);
    shift.alt = modifiers.testFlag(Qt::AltModifier);
    shift.left = buttons.testFlag(Qt::LeftButton);
    return shift;
}

std::optional<TCustomEditor::ScrollRequest> RequestOf(int action) {
    using Request = TCustomEditor::ScrollRequest;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return Request::LineDown;
    case QAbstractSlider::SliderSingleStepSub:
        return Request::LineUp;
    case QAbstractSlider::SliderPageStepAdd:
        return Request::PageDown;
    case QAbstractSlider::SliderPageStepSub:
        return Request::PageUp;
    case QAbstractSlider::SliderToMinimum:
        return Request::Top;
    case QAbstractSlider::SliderToMaximum:
        return Request::Bottom;
    case QAbstractSlider::SliderMove:
        return Request::ThumbTrack;
    default:
        return std::nullopt;
    }
}

// Characters CP932 cannot hold become 〓; the caller reports how many once
// the text is in.
FromUnicodeResult ToCp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace

// ---- set-up ----------------------------------------------------------------------

void TEditor::InitInput() {
    // Moves without a button choose the cursor kind.
    viewport()->setMouseTracking(true);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { ScrollBarAction(Qt::Vertical, action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { ScrollBarAction(Qt::Horizontal, action); });
}

// ---- scrolling -------------------------------------------------------------------

// A scroll bar's request goes to the view, which decides where the view goes
// (and, with LockScroll, the caret); the bar then shows that place instead of
// the one Qt worked out.
void TEditor::ScrollBarAction(Qt::Orientation orientation, int action) {
    const std::optional<ScrollRequest> request = RequestOf(action);
    if (!request)
        return;
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    if (orientation == Qt::Vertical) {
        VScroll(*request, bar->sliderPosition());
        bar->setSliderPosition(TopRow());
    } else {
        HScroll(*request, bar->sliderPosition());
        bar->setSliderPosition(TopCol());
    }
}

// A bar's value set by the program rather than by one of its actions is a
// thumb position. Bringing the bars in line with the view comes back here
// too and is ignored.
void TEditor::scrollContentsBy(int dx, int dy) {
    if (syncingScrollBars_)
        return;
    if (dy != 0 && verticalScrollBar()->value() != TopRow())
        VScroll(ScrollRequest::ThumbPosition, verticalScrollBar()->value());
    if (dx != 0 && horizontalScrollBar()->value() != TopCol())
        HScroll(ScrollRequest::ThumbPosition, horizontalScrollBar()->value());
}

void TEditor::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (InputBlocked()) {
        wheelRemainder_ = {};
        return;
    }
    // High-resolution wheels and touchpads send parts of a notch.
    wheelRemainder_ += event->angleDelta();
    const int rowNotches = wheelRemainder_.y() / kWheelNotch;
    const int colNotches = wheelRemainder_.x() / kWheelNotch;
    wheelRemainder_ -= QPoint(colNotches, rowNotches) * kWheelNotch;
    const int lines = QApplication::wheelScrollLines();
    // A wheel turned away from the user (positive) shows earlier rows.
    WheelScroll(-rowNotches * lines, -colNotches * lines);
}

// ---- keys ------------------------------------------------------------------------

// Tab is the control's own key while it wants tabs, rather than a move of
// the focus (the host still sees Shift+Tab in OnKeyDown).
bool TEditor::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && WantTabs()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TEditor::keyPressEvent(QKeyEvent* event) {
    int key = VirtualKeyOf(event->key());
    if (key != 0 && OnKeyDown) {
        OnKeyDown(this, key, event->modifiers());
        if (key == 0) {
            event->accept();
            return;
        }
    }
    // Without WantReturns, Enter belongs to the dialog's default button.
    if (key == VK_RETURN && !WantReturns()) {
        event->ignore();
        return;
    }
    const ShiftState shift = ShiftOf(event->modifiers());
    bool taken;
    if (key != 0) {
        taken = KeyDown(key, shift, event->isAutoRepeat());
    } else {
        SetKeyRepeat(event->isAutoRepeat());
        taken = false;
    }
    // A key the control acted on types nothing; others may type their text.
    if (!taken)
        taken = TypeText(event->text(), shift);
    event->setAccepted(taken);
}

void TEditor::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as pairs of presses and releases; only the real
    // release ends the repeat.
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    KeyUp(VirtualKeyOf(event->key()), ShiftOf(event->modifiers()));
    event->accept();
}

bool TEditor::TypeText(const QString& text, ShiftState shift) {
    // Alt combinations type nothing: they are the menus' keys.
    if (text.isEmpty() || shift.alt)
        return false;
    const FromUnicodeResult converted = ToCp932(text);
    const std::string_view bytes = converted.bytes;
    bool taken = false;
    bool inserted = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = std::min(CharLength(bytes, i), bytes.size() - i);
        if (length == 1) {
            // With Ctrl a key types only the control character it makes
            // (Ctrl+H is a Backspace), never its letter or digit.
            const auto ch = static_cast<unsigned char>(bytes[i]);
            if (!shift.ctrl || ch < 0x20)
                taken = KeyPress(ch, shift) || taken;
        } else if (!shift.ctrl && !InputBlocked() && !ReadOnly()) {
            ImeResult(bytes.substr(i, length), ImeEcho::None);
            taken = inserted = true;
        }
        i += length;
    }
    if (inserted && converted.replaced > 0 && OnCharactersReplaced)
        OnCharactersReplaced(this, converted.replaced);
    return taken;
}

void TEditor::DoKeyPress(unsigned char& ch) {
    if (!OnKeyPress)
        return;
    char key = static_cast<char>(ch);
    OnKeyPress(this, key);
    ch = static_cast<unsigned char>(key);
}

// ---- the input method -----------------------------------------------------------

void TEditor::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() && event->preeditString().isEmpty() &&
        event->attributes().isEmpty() && event->replacementLength() == 0) {
        event->ignore();
        return;
    }
    ShowPreedit(event->preeditString());
    // Qt hands over the result only here, never as key presses as well, so
    // nothing that follows is to be discarded.
    if (!event->commitString().isEmpty() && !ReadOnly()) {
        const FromUnicodeResult converted = ToCp932(event->commitString());
        ImeResult(converted.bytes, ImeEcho::None);
        if (converted.replaced > 0 && OnCharactersReplaced)
            OnCharactersReplaced(this, converted.replaced);
    }
    event->accept();
}

// The input method draws no window of its own for the text it composes; it
// is shown in a label over the text, from the caret's cell on.
void TEditor::ShowPreedit(const QString& text) {
    if (text.isEmpty()) {
        if (preedit_ != nullptr)
            preedit_->hide();
        return;
    }
    if (preedit_ == nullptr) {
        preedit_ = new QLabel(viewport());
        preedit_->setTextFormat(Qt::PlainText);
        preedit_->setAutoFillBackground(true);
        preedit_->setBackgroundRole(QPalette::Base);
        preedit_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QFont underlined = font();
    underlined.setUnderline(true);
    preedit_->setFont(underlined);
    preedit_->setText(text);
    preedit_->adjustSize();
    preedit_->move(Margin().Left() + (Col() - TopCol()) * CharWidth(),
                   Margin().Top() + (Row() - TopRow()) * RowHeight());
    preedit_->show();
    preedit_->raise();
}

QVariant TEditor::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImReadOnly:
        return ReadOnly();
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        return static_cast<int>(Qt::ImhMultiLine);
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        // Asked of the widget that has the focus, the scroll area itself.
        return imeRect_.translated(viewport()->pos());
    case Qt::ImInputItemClipRectangle:
        return viewport()->geometry();
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// ---- the mouse -------------------------------------------------------------------

void TEditor::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    MouseDown(p.x(), p.y(), ShiftOf(event->modifiers(), event->buttons()));
    clickPending_ = true;
}

void TEditor::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseMove(p.x(), p.y(), ShiftOf(event->modifiers(), event->buttons()));
    event->accept();
}

void TEditor::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    // The click comes first, as the host expects the selection it clicked.
    const bool click =
        clickPending_ && GetDragState() != DragState::Dragging && viewport()->rect().contains(p);
    clickPending_ = false;
    if (click && OnClick)
        OnClick(this);
    MouseUp(p.x(), p.y(), ShiftOf(event->modifiers(), event->buttons()));
}

void TEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !DoubleClick())
        return;
    // Its release is no click of its own.
    clickPending_ = false;
    if (OnDblClick)
        OnDblClick(this);
}

bool TEditor::InClientArea(int x, int y) const {
    return viewport()->rect().contains(x, y);
}

// ---- the context menu -------------------------------------------------------------

void TEditor::SetPopupMenu(QMenu* menu) {
    hostPopupMenu_ = menu;
}

QMenu* TEditor::PopupMenu() {
    if (hostPopupMenu_ != nullptr)
        return hostPopupMenu_;
    if (builtinPopupMenu_ == nullptr)
        builtinPopupMenu_ = CreatePopupMenu();
    return builtinPopupMenu_;
}

QMenu* TEditor::CreatePopupMenu() {
    return new TEditorPopupMenu(this);
}

void TEditor::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (InputBlocked())
        return;
    QMenu* menu = PopupMenu();
    if (menu == nullptr)
        return;
    // From the keyboard the menu opens at the caret.
    QPoint place = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard)
        place = viewport()->mapToGlobal(CaretRect().bottomLeft());
    menu->popup(place);
}

} // namespace mojiro
