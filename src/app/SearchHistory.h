// TSearchHistory: the drop-down list of the search box or the replace box,
// newest first. A text used again moves to the top instead of appearing
// twice, texts differing only in letter case counting as the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class TSearchHistory {
public:
    static constexpr int kMaxEntries = 8;

    [[nodiscard]] const std::vector<std::string>& Entries() const { return entries_; }

    // Puts `text` first, dropping an entry equal to it without regard to
    // letter case and the oldest entry beyond eight.
    void Remember(std::string_view text);

    // The stored values in index order: the non-empty ones become the
    // entries (at most eight).
    void Assign(const std::vector<std::string>& stored);
    // Eight values to store, empty past the last entry.
    [[nodiscard]] std::vector<std::string> StoredValues() const;

private:
    std::vector<std::string> entries_;
};

} // namespace mojiro
