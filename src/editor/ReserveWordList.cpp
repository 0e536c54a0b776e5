#include "editor/ReserveWordList.h"

#include "editor/EditorTypes.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace mojiro {

namespace {

// Compares `word` folded to upper case with an already folded key, without
// building the folded copy: the painter looks up every token it draws.
// A trail byte is never folded, as AnsiUpperCase does.
int CompareFolded(std::string_view word, std::string_view key) {
    const std::size_t n = std::min(word.size(), key.size());
    bool trail = false;
    for (std::size_t i = 0; i < n; ++i) {
        auto b = static_cast<unsigned char>(word[i]);
        if (trail) {
            trail = false;
        } else if (IsLeadByte(b)) {
            trail = true;
        } else if (b >= 'a' && b <= 'z') {
            b = static_cast<unsigned char>(b - 'a' + 'A');
        }
        const auto k = static_cast<unsigned char>(key[i]);
        if (b != k) {
            return b < k ? -1 : 1;
        }
    }
    if (word.size() == key.size()) {
        return 0;
    }
    return word.size() < key.size() ? -1 : 1;
}

} // namespace

std::vector<ReserveWordList::Entry>::const_iterator
ReserveWordList::LowerBound(std::string_view word) const {
    return std::lower_bound(
        entries_.begin(), entries_.end(), word,
        [](const Entry& e, std::string_view w) { return CompareFolded(w, e.key) > 0; });
}

void ReserveWordList::Add(std::string_view word) {
    if (word.empty()) {
        return;
    }
    const auto at = LowerBound(word);
    if (at != entries_.end() && CompareFolded(word, at->key) == 0) {
        return;
    }
    entries_.insert(at, Entry{AnsiUpperCase(word), std::string(word)});
}

void ReserveWordList::Clear() {
    entries_.clear();
}

bool ReserveWordList::Contains(std::string_view word) const {
    const auto at = LowerBound(word);
    return at != entries_.end() && CompareFolded(word, at->key) == 0;
}

int ReserveWordList::Count() const {
    return static_cast<int>(entries_.size());
}

const std::string& ReserveWordList::Item(int i) const {
    if (i < 0 || i >= Count()) {
        throw ListIndexError(i);
    }
    return entries_[static_cast<std::size_t>(i)].word;
}

void ReserveWordList::SetText(std::string_view lines) {
    Clear();
    std::size_t start = 0;
    while (start < lines.size()) {
        const std::size_t end = lines.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            Add(lines.substr(start));
            break;
        }
        Add(lines.substr(start, end - start));
        start = end + 1;
        if (lines[end] == '\r' && start < lines.size() && lines[start] == '\n') {
            ++start;
        }
    }
}

std::string ReserveWordList::Text() const {
    std::string text;
    for (const Entry& e : entries_) {
        text += e.word;
        text += "\r\n";
    }
    return text;
}

} // namespace mojiro
