// One remembered caret position to jump back to, as a character index into
// the text. Edits do not move it; a position past the end of a shortened
// text lands at its end.
#pragma once

#include <cstddef>

namespace mojiro {

class TCustomEditor;

class TCaretMemory {
public:
    // Remembers the pane's selection start (the caret when nothing is
    // selected) and enables the jump.
    void Remember(const TCustomEditor& pane);
    // Puts the caret at the remembered place, dropping any selection, and
    // scrolls it to the top row when it was out of view. Does nothing while
    // the jump is disabled.
    void Jump(TCustomEditor& pane) const;
    // A document opened or closed: the position means nothing any more.
    void Disable() { canJump_ = false; }
    [[nodiscard]] bool CanJump() const { return canJump_; }
    [[nodiscard]] std::ptrdiff_t MemoPosition() const { return memoPosition_; }

private:
    std::ptrdiff_t memoPosition_ = 0;
    bool canJump_ = false;
};

} // namespace mojiro
