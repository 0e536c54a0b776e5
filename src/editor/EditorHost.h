// The platform services an editor view needs from the window it lives in:
// font metrics, focus, the system caret, the input method, repainting,
// scrolling, the mouse cursor and the clipboard. The Qt control implements
// this; headless tests use a fake.
#pragma once

#include <string>

#include "editor/EditorTypes.h"

namespace mojiro {

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // The window exists (it has been shown or created at least once).
    [[nodiscard]] virtual bool HasWindow() const = 0;
    [[nodiscard]] virtual bool HasFocus() const = 0;

    // Text metrics of the control's font: height plus external leading, and
    // the average character width.
    [[nodiscard]] virtual int FontHeight() const = 0;
    [[nodiscard]] virtual int AverageCharWidth() const = 0;
    // The control's outer size, border included, and a scroll bar's thickness.
    [[nodiscard]] virtual int ControlWidth() const = 0;
    [[nodiscard]] virtual int ControlHeight() const = 0;
    [[nodiscard]] virtual int ScrollBarExtent() const = 0;
    [[nodiscard]] virtual bool LeftButtonDown() const = 0;

    // The system caret: a shape of the given size, placed at a client point.
    virtual void CreateCaret(int width, int height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void SetCaretPos(int x, int y) = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    // Where the input method shows its composition window (client point).
    virtual void SetImePosition(int x, int y) = 0;

    // Repaint rows first..last (view rows, inclusive) across the text area,
    // or the whole control.
    virtual void InvalidateRows(int firstRow, int lastRow) = 0;
    virtual void InvalidateAll() = 0;
    // The view scrolled by the given rows and columns; the host moves what it
    // can and repaints the rest.
    virtual void ScrollView(int rows, int cols) = 0;
    // Scroll bar ranges and positions changed.
    virtual void ScrollInfoChanged() = 0;
    // Switch redrawing off and on around a batch of changes.
    virtual void SetRedraw(bool on) = 0;
    virtual void SetMouseCursor(TCursor cursor) = 0;

    // The clipboard holds CP932 text here; the host converts at its edge.
    // `box` marks a rectangular selection. Returns false when the clipboard
    // holds no text.
    virtual void SetClipboardText(const std::string& text, bool box) = 0;
    [[nodiscard]] virtual bool ClipboardText(std::string& text, bool& box) = 0;
};

} // namespace mojiro
