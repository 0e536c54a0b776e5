// A stand-in for the editor's window: fixed metrics, a focus switch, a
// clipboard in memory, and counters of what the view asked for.
#pragma once

#include <string>
#include <vector>

#include "editor/EditorHost.h"

namespace mojiro::test {

class FakeHost : public EditorHost {
public:
    bool HasWindow() const override { return window; }
    bool HasFocus() const override { return focused; }
    int FontHeight() const override { return fontHeight; }
    int AverageCharWidth() const override { return charWidth; }
    int ControlWidth() const override { return width; }
    int ControlHeight() const override { return height; }
    int ScrollBarExtent() const override { return 16; }
    bool LeftButtonDown() const override { return leftButton; }
    void CreateCaret(int w, int h) override {
        caretWidth = w;
        caretHeight = h;
        caretExists = true;
        caretVisible = false;
    }
    void DestroyCaret() override { caretExists = caretVisible = false; }
    void SetCaretPos(int x, int y) override {
        caretX = x;
        caretY = y;
    }
    void ShowCaret() override { caretVisible = caretExists; }
    void HideCaret() override { caretVisible = false; }
    void SetImePosition(int x, int y) override {
        imeX = x;
        imeY = y;
        ++imeMoves;
    }
    void InvalidateRows(int first, int last) override { invalidated.push_back({first, last}); }
    void InvalidateAll() override { ++fullRepaints; }
    void ScrollView(int rows, int cols) override {
        scrolledRows += rows;
        scrolledCols += cols;
    }
    void ScrollInfoChanged() override { ++scrollInfoChanges; }
    void SetRedraw(bool on) override { redraw = on; }
    void SetMouseCursor(TCursor c) override { cursor = c; }
    void SetClipboardText(const std::string& text, bool box) override {
        clipboard = text;
        clipboardBox = box;
        clipboardHasText = true;
    }
    bool ClipboardText(std::string& text, bool& box) override {
        text = clipboard;
        box = clipboardBox;
        return clipboardHasText;
    }

    bool window = true;
    bool focused = true;
    bool leftButton = false;
    int fontHeight = 16;
    int charWidth = 8;
    int width = 800; // 800 - 19 - 4 = 777 px of text: 97 columns
    int height = 400;
    int caretWidth = 0, caretHeight = 0, caretX = 0, caretY = 0;
    bool caretExists = false, caretVisible = false;
    int imeX = 0, imeY = 0, imeMoves = 0;
    struct Span {
        int first, last;
    };
    std::vector<Span> invalidated;
    int fullRepaints = 0;
    int scrolledRows = 0, scrolledCols = 0;
    int scrollInfoChanges = 0;
    bool redraw = true;
    TCursor cursor = crDefault;
    std::string clipboard;
    bool clipboardBox = false;
    bool clipboardHasText = false;
};

} // namespace mojiro::test
