// TEditor: the editor view as a Qt widget. All state and every operation live
// in TCustomEditor; this class is its window. It supplies the platform
// services (metrics of its font, focus, a self-drawn caret, the input-method
// position, repainting, scroll bars, cursors and the clipboard) and paints the
// rows, one cell per CP932 byte.
#pragma once

#include "editor/CustomEditor.h"
#include "editor/EditorHost.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <functional>
#include <string>

class QPainter;
// ---- input ----
#include <QPointer>
class QLabel;
class QMenu;
// ---- end input ----

namespace mojiro {

class TEditorPainter; // ---- painting: draws the rows of a TEditor ----

class TEditor : public QAbstractScrollArea, private EditorHost, public TCustomEditor {
    Q_OBJECT

public:
    explicit TEditor(QWidget* parent = nullptr);
    ~TEditor() override;

    // Pasted Unicode text held characters CP932 cannot hold; each became 〓
    // and the host tells the user how many.
    std::function<void(TEditor* sender, int count)> OnCharactersReplaced;

    // The self-drawn caret in viewport coordinates, and whether it is shown
    // (it blinks while shown).
    [[nodiscard]] QRect CaretRect() const { return QRect(caretPos_, caretSize_); }
    [[nodiscard]] bool CaretVisible() const { return caretExists_ && caretVisible_; }

    // Both EditorHost and the row list's view link ask this; one answer.
    [[nodiscard]] bool HasFocus() const override { return hasFocus(); }

    // ---- input -------------------------------------------------------------------
    // The host's key handlers run before the control acts on a key or a
    // character and may change it; setting it to 0 consumes it. A key is a
    // VK_ code (editor/VirtualKeys.h), a character a CP932 byte.
    std::function<void(TEditor* sender, int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(TEditor* sender, char& key)> OnKeyPress;
    // A left-button click without a drag of the selection, and a double-click
    // (the caret is then at the place clicked).
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // The context menu: the host's own when it set one, else the built-in
    // menu, which is made on first use. The host keeps ownership of its menu.
    void SetPopupMenu(QMenu* menu);
    [[nodiscard]] QMenu* PopupMenu();

protected:
    // Makes the built-in context menu, a child of the control.
    [[nodiscard]] virtual QMenu* CreatePopupMenu();
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void DoKeyPress(unsigned char& ch) override;
    [[nodiscard]] bool InClientArea(int x, int y) const override;

private:
    // Mouse tracking for the cursor kinds, and the scroll bars' requests.
    void InitInput();
    void ScrollBarAction(Qt::Orientation orientation, int action);
    // Typed text that is not a key of its own: bytes go on as characters,
    // double-byte characters (some keyboard layouts type them) as text.
    bool TypeText(const QString& text, ShiftState shift);
    // The composition in progress, shown over the text at the caret.
    void ShowPreedit(const QString& text);

    QPointer<QMenu> hostPopupMenu_;
    QPointer<QMenu> builtinPopupMenu_;
    QLabel* preedit_ = nullptr;
    QPoint wheelRemainder_; // eighths of a degree short of a notch
    bool clickPending_ = false;
    // ---- end input ----

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // ---- painting ----------------------------------------------------------
public:
    // Raised for every part of a row that is drawn, after its text and before
    // its marks: the row text as drawn (with a wrapped neighbour's text joined
    // on), the pixel x of its first byte, the row's top, its index, the clip
    // rectangle of this part and whether the part is drawn selected. The
    // handler draws with the given painter, clipped to the rectangle.
    using TDrawLineEvent =
        std::function<void(TEditor* sender, QPainter& painter, const std::string& lineStr, int x,
                           int y, int index, const QRect& rect, bool selected)>;
    TDrawLineEvent OnDrawLine;

    // Copies a different list of reserved words and repaints; an equal list
    // changes nothing.
    void SetReserveWordList(const ReserveWordList& words);
    // Metrics, scroll ranges and a repaint of everything.
    void Refresh();
    // The pixel row of the caret-row underline under a row, or -1 off screen.
    [[nodiscard]] virtual int UnderlineY(int row) const;
    // Rows drawn by the paint cycle so far: what a repaint cost.
    [[nodiscard]] int PaintedRows() const;

protected:
    void HideUnderline() override;
    void ShowUnderline() override;
    void ScrollRowsBelow(int row, int rows) override;
    void InvalidateSpan(int row, int startCol, int endCol) override;
    virtual void DoDrawLine(QPainter& painter, const std::string& lineStr, int x, int y, int index,
                            const QRect& rect, bool selected);
    virtual void DrawEof(QPainter& painter, int x, int y);
    virtual void DrawRetMark(QPainter& painter, int x, int y);
    virtual void DrawRetMarkSelected(QPainter& painter, int x, int y);
    // The underline is drawn by the paint cycle; these ask for the pixel row
    // under a row to be painted again, with or without the line.
    virtual void DrawUnderline(int row);
    virtual void EraseUnderline(int row);

private:
    friend class TEditorPainter;
    [[nodiscard]] TEditorPainter& Painter();
    void InvalidateUnderline(int row);

    std::unique_ptr<TEditorPainter> painter_;

    // ---- font and colour (property set) ----
protected:
    // Makes the editor's font description its drawing font and repaints.
    void FontOrColorChanged() override;

private:
    // ---- EditorHost ----------------------------------------------------
    [[nodiscard]] bool HasWindow() const override;
    [[nodiscard]] int FontHeight() const override;
    [[nodiscard]] int AverageCharWidth() const override;
    [[nodiscard]] int ControlWidth() const override { return width(); }
    [[nodiscard]] int ControlHeight() const override { return height(); }
    [[nodiscard]] int ScrollBarExtent() const override;
    [[nodiscard]] bool LeftButtonDown() const override;
    void CreateCaret(int width, int height) override;
    void DestroyCaret() override;
    void SetCaretPos(int x, int y) override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetImePosition(int x, int y) override;
    void InvalidateRows(int firstRow, int lastRow) override;
    void InvalidateAll() override;
    void ScrollView(int rows, int cols) override;
    void ScrollInfoChanged() override;
    void SetRedraw(bool on) override;
    void SetMouseCursor(TCursor cursor) override;
    void SetClipboardText(const std::string& text, bool box) override;
    [[nodiscard]] bool ClipboardText(std::string& text, bool& box) override;

    void RestartBlink();

    QSize caretSize_;
    QPoint caretPos_;
    bool caretExists_ = false;
    bool caretVisible_ = false;
    bool blinkOn_ = false;
    QTimer blinkTimer_;
    QRect imeRect_;
    // Set while the scroll bars are brought in line with TopRow and TopCol,
    // so that the change does not come back as a scroll request.
    bool syncingScrollBars_ = false;
};

} // namespace mojiro
