#include "editor/control/TEditor.h"

#include "editor/control/ClipboardMime.h"
#include "editor/control/EditorCursors.h"
#include "editor/control/EditorPainter.h"
#include "editor/control/FontSubstitutes.h"
#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <algorithm>

namespace mojiro {

namespace {

// Windows scroll bars take a range max and a page and stop the thumb at
// max - page + 1; a QScrollBar's maximum is that last thumb position.
int LastThumbPosition(int rangeMax, int page) {
    return std::max(0, rangeMax - std::max(page - 1, 0));
}

Qt::ScrollBarPolicy PolicyFor(bool shown) {
    return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

} // namespace

TEditor::TEditor(QWidget* parent)
    : QAbstractScrollArea(parent), TCustomEditor(static_cast<EditorHost&>(*this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(CursorFor(Caret().Cursors().DefaultCursor()));
    setFont(DefaultEditorFont());
    resize(185, 89);
    connect(&blinkTimer_, &QTimer::timeout, this, [this] {
        blinkOn_ = !blinkOn_;
        viewport()->update(CaretRect());
    });
    InitFontMetrics();
    ScrollInfoChanged();
    InitInput();
}

TEditor::~TEditor() {
    blinkTimer_.stop();
}

// ---- events --------------------------------------------------------------

void TEditor::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    Painter().Paint(painter, event->region());
    if (CaretVisible() && blinkOn_) {
        // Inverting keeps a block caret's character readable, as a system
        // caret does.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(CaretRect(), Qt::white);
    }
}

void TEditor::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    InitFontMetrics();
    UpdateScrollInfo();
    viewport()->update();
}

void TEditor::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    // The metrics wait for the window; this is the first moment it exists.
    InitFontMetrics();
    UpdateScrollInfo();
}

void TEditor::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    FocusIn();
    if (ImeMode() == TImeMode::imHira) {
        // Qt has no portable "open in hiragana" request; asking the input
        // method to show itself is the closest, and the user's input method
        // then starts in its Japanese mode.
        QGuiApplication::inputMethod()->show();
    }
}

void TEditor::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    FocusOut();
}

void TEditor::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // A horizontally scrolled view starts again from the row start: its
        // columns lie elsewhere with the new cell width.
        if (TopCol() > 0)
            SetCol(0);
        InitFontMetrics();
        UpdateScrollInfo();
        UpdateCaret();
        viewport()->update();
    }
}

// ---- EditorHost: metrics and state -------------------------------------------

bool TEditor::HasWindow() const {
    return testAttribute(Qt::WA_WState_Created);
}

int TEditor::FontHeight() const {
    const QFontMetrics metrics(font());
    return metrics.height() + metrics.leading();
}

// The half-width cell. A CJK font's average width may count its full-width
// glyphs, so the advance of a digit is taken: it is half a full-width glyph in
// the dual-width fonts the editor uses.
int TEditor::AverageCharWidth() const {
    return QFontMetrics(font()).horizontalAdvance(QLatin1Char('0'));
}

int TEditor::ScrollBarExtent() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

bool TEditor::LeftButtonDown() const {
    return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
}

// ---- EditorHost: the caret --------------------------------------------------

void TEditor::CreateCaret(int width, int height) {
    DestroyCaret();
    caretSize_ = QSize(width, height);
    caretExists_ = true;
    caretVisible_ = false;
}

void TEditor::DestroyCaret() {
    HideCaret();
    caretExists_ = false;
}

void TEditor::SetCaretPos(int x, int y) {
    if (caretPos_ == QPoint(x, y))
        return;
    if (CaretVisible())
        viewport()->update(CaretRect());
    caretPos_ = QPoint(x, y);
    if (CaretVisible())
        RestartBlink();
}

void TEditor::ShowCaret() {
    if (!caretExists_ || caretVisible_)
        return;
    caretVisible_ = true;
    RestartBlink();
}

void TEditor::HideCaret() {
    if (!caretVisible_)
        return;
    caretVisible_ = false;
    blinkTimer_.stop();
    viewport()->update(CaretRect());
}

// A moved or newly shown caret is drawn at once and then blinks.
void TEditor::RestartBlink() {
    blinkOn_ = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime > 0)
        blinkTimer_.start(flashTime / 2);
    else
        blinkTimer_.stop();
    viewport()->update(CaretRect());
}

void TEditor::SetImePosition(int x, int y) {
    imeRect_ = QRect(x, y, 1, FontHeightMetric());
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

// ---- EditorHost: repainting and scrolling --------------------------------------

void TEditor::InvalidateRows(int firstRow, int lastRow) {
    if (RowHeight() <= 0) {
        InvalidateAll();
        return;
    }
    // Rows outside the view need nothing; the row after the last full one may
    // show in part.
    firstRow = std::max(firstRow, TopRow());
    lastRow = std::min(lastRow, TopRow() + PageRows() + 1);
    if (firstRow > lastRow)
        return;
    const int top = Margin().Top() + (firstRow - TopRow()) * RowHeight();
    const int bottom = Margin().Top() + (lastRow - TopRow() + 1) * RowHeight();
    viewport()->update(QRect(0, top, viewport()->width(), bottom - top));
}

void TEditor::InvalidateAll() {
    viewport()->update();
}

void TEditor::ScrollView(int rows, int cols) {
    const int dx = -cols * CharWidth();
    const int dy = -rows * RowHeight();
    if (dx == 0 && dy == 0)
        return;
    const QRect textArea(Margin().Left(), Margin().Top(),
                         std::max(0, viewport()->width() - Margin().Left()),
                         std::max(0, viewport()->height() - Margin().Top()));
    if (std::abs(rows) > PageRows() || std::abs(cols) > PageCols()) {
        viewport()->update(textArea);
        return;
    }
    // The caret is part of the moved pixels; where it lands must be redrawn
    // from the text, not carried along.
    if (CaretVisible())
        viewport()->update(CaretRect().translated(dx, dy));
    viewport()->scroll(dx, dy, textArea);
}

void TEditor::ScrollInfoChanged() {
    const TScrollStyle bars = ScrollBars();
    const bool vertical = bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth;
    const bool horizontal = bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth;
    // Showing or hiding a bar resizes the viewport, which may come back here
    // before this call has finished.
    const QScopedValueRollback syncing(syncingScrollBars_, true);
    if (verticalScrollBarPolicy() != PolicyFor(vertical))
        setVerticalScrollBarPolicy(PolicyFor(vertical));
    if (horizontalScrollBarPolicy() != PolicyFor(horizontal))
        setHorizontalScrollBarPolicy(PolicyFor(horizontal));

    // The vertical thumb reaches the last row at the top of the view.
    const int maxTopRow = std::max(0, RowCount() + PageRows() - 2);
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, LastThumbPosition(std::max(PageRows(), maxTopRow), PageRows()));
    v->setPageStep(std::max(1, PageRows()));
    v->setValue(TopRow());

    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, LastThumbPosition(PageCols() / 2 + 1000, PageCols()));
    h->setPageStep(std::max(1, PageCols()));
    h->setValue(TopCol());
}

void TEditor::SetRedraw(bool on) {
    viewport()->setUpdatesEnabled(on);
}

void TEditor::SetMouseCursor(TCursor cursor) {
    viewport()->setCursor(CursorFor(cursor));
}

// ---- EditorHost: the clipboard -------------------------------------------------

void TEditor::SetClipboardText(const std::string& text, bool box) {
    QGuiApplication::clipboard()->setMimeData(MakeClipboardMime(text, box).release());
}

bool TEditor::ClipboardText(std::string& text, bool& box) {
    std::optional<ClipboardContent> content =
        ReadClipboardMime(QGuiApplication::clipboard()->mimeData());
    if (!content)
        return false;
    text = std::move(content->text);
    box = content->box;
    if (content->replaced > 0 && OnCharactersReplaced)
        OnCharactersReplaced(this, content->replaced);
    return true;
}

} // namespace mojiro
