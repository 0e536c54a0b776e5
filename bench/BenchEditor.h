// A headless editor view for the benchmarks: a window that is shown and
// focused and does nothing with what it is asked to do, and editors holding
// the corpus folded as the main window folds it.
#pragma once

#include "BenchSupport.h"
#include "editor/CustomEditor.h"

#include <map>
#include <memory>
#include <string>

namespace mojiro::bench {

// A window that is shown and focused (so that the caret is refreshed as it
// is on screen) and does nothing with what it is asked to do.
class BenchHost : public EditorHost {
public:
    [[nodiscard]] bool HasWindow() const override { return true; }
    [[nodiscard]] bool HasFocus() const override { return true; }
    [[nodiscard]] int FontHeight() const override { return 16; }
    [[nodiscard]] int AverageCharWidth() const override { return 8; }
    [[nodiscard]] int ControlWidth() const override { return 800; }
    [[nodiscard]] int ControlHeight() const override { return 600; }
    [[nodiscard]] int ScrollBarExtent() const override { return 16; }
    [[nodiscard]] bool LeftButtonDown() const override { return false; }
    void CreateCaret(int, int) override {}
    void DestroyCaret() override {}
    void SetCaretPos(int, int) override {}
    void ShowCaret() override {}
    void HideCaret() override {}
    void SetImePosition(int, int) override {}
    void InvalidateRows(int, int) override {}
    void InvalidateAll() override {}
    void ScrollView(int, int) override {}
    void ScrollInfoChanged() override {}
    void SetRedraw(bool) override {}
    void SetMouseCursor(TCursor) override {}
    void SetClipboardText(const std::string&, bool) override {}
    [[nodiscard]] bool ClipboardText(std::string&, bool&) override { return false; }
};

// An editor holding the corpus of `bytes` bytes, folded as the main window
// folds (its defaults: 40 full-width characters, WrapByte 80). Made once per
// process; benchmarks leave its text as they found it.
struct BenchEditor {
    BenchHost host;
    TCustomEditor editor{host};
};

inline TCustomEditor& LoadedEditor(std::size_t bytes) {
    static std::map<std::size_t, std::unique_ptr<BenchEditor>> cache;
    std::unique_ptr<BenchEditor>& entry = cache[bytes];
    if (!entry) {
        entry = std::make_unique<BenchEditor>();
        TCustomEditor& editor = entry->editor;
        editor.InitFontMetrics();
        ApplyWindowDefaults(editor.WrapOption());
        editor.WrapOption().SetWrapByte(80);
        editor.SetWordWrap(true);
        editor.ListInfo().LoadFromBytes(Corpus(bytes));
    }
    return entry->editor;
}

} // namespace mojiro::bench
