// The clipboard history: the ten newest distinct texts that passed through
// the system clipboard, from this program or any other, newest first. It
// lives from start-up to close and is never stored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

inline constexpr int kClipboardHistorySize = 10;

class TClipboardHistory {
public:
    // Texts are CP932.
    [[nodiscard]] const std::vector<std::string>& Entries() const { return entries_; }
    [[nodiscard]] bool Empty() const { return entries_.empty(); }

    // A text arrived on the clipboard: an entry equal to it without regard
    // to case goes, and the text becomes entry 0. Empty text is ignored.
    void Enter(std::string_view text);
    // Entry i was picked: it moves to the front.
    void MoveToFront(int i);

private:
    std::vector<std::string> entries_;
};

// The menu caption of entry i (UTF-8): the entry, cut after 126 bytes (125
// when that would split a double-byte character) with "…", then its access
// key " (&1)" … " (&0)".
[[nodiscard]] std::string HistoryCaption(std::string_view entry, int i);

} // namespace mojiro
