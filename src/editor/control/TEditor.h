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

namespace mojiro {

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

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
    void DrawRowText(QPainter& painter, int row, int y) const;

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
