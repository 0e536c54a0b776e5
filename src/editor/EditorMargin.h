// Pixel distances of the editor's text grid.
#pragma once

#include "editor/NotifyPersistent.h"

namespace mojiro {

class TEditorMargin : public TNotifyPersistent {
public:
    void Assign(const TEditorMargin& source);

    // Extra pixels between characters, clamped to 0..100.
    [[nodiscard]] int Character() const { return character_; }
    void SetCharacter(int value);
    [[nodiscard]] int Left() const { return left_; }
    void SetLeft(int value);
    [[nodiscard]] int Line() const { return line_; }
    void SetLine(int value);
    [[nodiscard]] int Top() const { return top_; }
    void SetTop(int value);

    // One pixel of row height kept for the caret-row underline while it is
    // shown; the control keeps it in step with the underline mark (0 or 1).
    [[nodiscard]] int UnderlineExtra() const { return underlineExtra_; }
    void SetUnderlineExtra(int value);

private:
    void Store(int& field, int value);

    int character_ = 0;
    int left_ = 19;
    int line_ = 0;
    int top_ = 2;
    int underlineExtra_ = 0;
};

} // namespace mojiro
