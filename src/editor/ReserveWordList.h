// The control's reserved words: a sorted list without duplicates, looked up
// without regard to letter case, that gives matching tokens the Reserve colour.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class ReserveWordList {
public:
    // Inserts `word` in order; a word already present in any letter case is
    // ignored (the first spelling stays). Empty words are ignored.
    void Add(std::string_view word);
    void Clear();
    [[nodiscard]] bool Contains(std::string_view word) const;
    [[nodiscard]] int Count() const;
    // Throws ListIndexError for an index outside the list.
    [[nodiscard]] const std::string& Item(int i) const;
    // Replaces the list with the lines of `lines` (CR LF, LF or CR breaks).
    void SetText(std::string_view lines);
    // Every word followed by CR LF.
    [[nodiscard]] std::string Text() const;

private:
    struct Entry {
        std::string key; // upper case of the code page: the sort and lookup key
        std::string word;
    };
    [[nodiscard]] std::vector<Entry>::const_iterator LowerBound(std::string_view word) const;

    std::vector<Entry> entries_;
};

} // namespace mojiro
