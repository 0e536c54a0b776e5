#include "app/ClipboardHistory.h"

#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <algorithm>

namespace mojiro {

void TClipboardHistory::Enter(std::string_view text) {
    if (text.empty())
        return;
    std::erase_if(entries_,
                  [text](const std::string& entry) { return SameTextIgnoringCase(entry, text); });
    entries_.insert(entries_.begin(), std::string(text));
    if (entries_.size() > kClipboardHistorySize)
        entries_.pop_back();
}

void TClipboardHistory::MoveToFront(int i) {
    if (i <= 0 || i >= static_cast<int>(entries_.size()))
        return;
    std::rotate(entries_.begin(), entries_.begin() + i, entries_.begin() + i + 1);
}

std::string HistoryCaption(std::string_view entry, int i) {
    constexpr std::size_t kLongest = 128;
    constexpr std::size_t kKept = 126;
    std::string shown(entry);
    if (entry.size() > kLongest) {
        // Where the character holding byte 126 starts decides the cut.
        std::size_t start = 0;
        while (start + CharLength(entry, start) <= kKept)
            start += CharLength(entry, start);
        shown = std::string(entry.substr(0, start)) + "\x81\x63"; // …
    }
    return Cp932ToUtf8(shown) + " (&" + std::to_string((i + 1) % 10) + ")";
}

} // namespace mojiro
