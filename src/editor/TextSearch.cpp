#include "editor/TextSearch.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace mojiro {
namespace {

constexpr bool IsLowerLetter(unsigned char b) {
    return b >= 'a' && b <= 'z';
}

// Tells trail bytes from character starts in one row. A row starts on a
// character, and the byte at i is a trail byte exactly when an odd number of
// lead-range bytes runs up to it (the byte before such a run, whatever it
// is, ends a character). The last run found is kept, so that a scan moving
// steadily forwards or backwards reads every byte only a few times.
class TrailTest {
public:
    explicit TrailTest(std::string_view row) : row_(row) {}

    [[nodiscard]] bool IsTrail(std::ptrdiff_t i) { return ((i - RunStart(i)) & 1) != 0; }

    // The byte as the code page upper-cases it within its row.
    [[nodiscard]] unsigned char UpperAt(std::ptrdiff_t i) {
        const auto b = static_cast<unsigned char>(row_[static_cast<std::size_t>(i)]);
        if (!IsLowerLetter(b) || IsTrail(i))
            return b;
        return static_cast<unsigned char>(b - 'a' + 'A');
    }

private:
    // Where the run of lead-range bytes ending just before i begins. Kept:
    // bytes lo_..hi_-1 are all lead-range and lo_ begins their run.
    std::ptrdiff_t RunStart(std::ptrdiff_t i) {
        if (i >= lo_ && i <= hi_)
            return lo_;
        const std::ptrdiff_t stop = i > hi_ ? hi_ : 0;
        std::ptrdiff_t j = i;
        while (j > stop && IsLeadByte(row_[static_cast<std::size_t>(j - 1)]))
            --j;
        if (!(i > hi_ && j == stop))
            lo_ = j;
        hi_ = i;
        return lo_;
    }

    std::string_view row_;
    std::ptrdiff_t lo_ = 0;
    std::ptrdiff_t hi_ = 0;
};

// Knuth-Morris-Pratt over the upper-cased text, so that no byte is compared
// more than a bounded number of times whatever the search text repeats.
class Matcher {
public:
    explicit Matcher(std::string pattern) : pattern_(std::move(pattern)), fail_(pattern_.size()) {
        std::size_t k = 0;
        for (std::size_t i = 1; i < pattern_.size(); ++i) {
            while (k > 0 && pattern_[i] != pattern_[k])
                k = fail_[k - 1];
            if (pattern_[i] == pattern_[k])
                ++k;
            fail_[i] = k;
        }
    }

    // Nothing matched so far: the scan may jump to the next candidate byte.
    [[nodiscard]] bool Idle() const { return matched_ == 0; }
    [[nodiscard]] unsigned char First() const { return static_cast<unsigned char>(pattern_[0]); }

    // Takes the next upper-cased byte; true when the pattern is complete.
    bool Feed(unsigned char c) {
        const char ch = static_cast<char>(c);
        while (matched_ > 0 && pattern_[matched_] != ch)
            matched_ = fail_[matched_ - 1];
        if (pattern_[matched_] == ch)
            ++matched_;
        return matched_ == pattern_.size();
    }

private:
    std::string pattern_;
    std::vector<std::size_t> fail_;
    std::size_t matched_ = 0;
};

// Finds the bytes of a row that may upper-case to `first`: itself, and its
// lower-case form for a letter. The next place of each byte is kept, so that a
// frequent one does not make the other be searched for again and again.
class CandidateScan {
public:
    CandidateScan(std::string_view row, unsigned char first) : row_(row), a_(first), b_(first) {
        if (first >= 'A' && first <= 'Z')
            b_ = static_cast<unsigned char>(first - 'A' + 'a');
    }

    // The first candidate at or after i, or the row length.
    std::ptrdiff_t Next(std::ptrdiff_t i) {
        if (nextA_ < i)
            nextA_ = Forward(a_, i);
        if (b_ == a_)
            return nextA_;
        if (nextB_ < i)
            nextB_ = Forward(b_, i);
        return std::min(nextA_, nextB_);
    }

    // The last candidate at or before i, or -1.
    std::ptrdiff_t Previous(std::ptrdiff_t i) {
        if (prevA_ > i)
            prevA_ = Backward(a_, i);
        if (b_ == a_)
            return prevA_;
        if (prevB_ > i)
            prevB_ = Backward(b_, i);
        return std::max(prevA_, prevB_);
    }

private:
    [[nodiscard]] std::ptrdiff_t Forward(unsigned char c, std::ptrdiff_t i) const {
        const auto* found = static_cast<const char*>(
            std::memchr(row_.data() + i, c, row_.size() - static_cast<std::size_t>(i)));
        return found ? found - row_.data() : Size();
    }
    [[nodiscard]] std::ptrdiff_t Backward(unsigned char c, std::ptrdiff_t i) const {
        const auto* found =
            static_cast<const char*>(memrchr(row_.data(), c, static_cast<std::size_t>(i + 1)));
        return found ? found - row_.data() : -1;
    }
    [[nodiscard]] std::ptrdiff_t Size() const { return static_cast<std::ptrdiff_t>(row_.size()); }

    std::string_view row_;
    unsigned char a_;
    unsigned char b_;
    std::ptrdiff_t nextA_ = -1;
    std::ptrdiff_t nextB_ = -1;
    std::ptrdiff_t prevA_ = std::numeric_limits<std::ptrdiff_t>::max();
    std::ptrdiff_t prevB_ = std::numeric_limits<std::ptrdiff_t>::max();
};

constexpr char kLineBreak[] = "\r\n";

std::optional<std::ptrdiff_t> FindForward(const TEditorScreenStrings& rows,
                                          const std::string& upper, std::ptrdiff_t start) {
    const auto n = static_cast<std::ptrdiff_t>(upper.size());
    Matcher matcher(upper);
    int row = rows.RowFromCharIndex(start);
    std::ptrdiff_t base = rows.RowCharIndex(row);
    std::ptrdiff_t offset = start - base; // may fall on the row's line break
    for (; row < rows.Count(); ++row) {
        const std::string_view bytes = rows.RowView(row);
        const auto length = static_cast<std::ptrdiff_t>(bytes.size());
        TrailTest trail(bytes);
        CandidateScan candidates(bytes, matcher.First());
        for (std::ptrdiff_t i = offset; i < length; ++i) {
            if (matcher.Idle() && (i = candidates.Next(i)) == length)
                break;
            if (matcher.Feed(trail.UpperAt(i)))
                return base + i + 1 - n;
        }
        if (rows.GetRowEndKind(row) == RowEndKind::LineEnd) {
            for (std::ptrdiff_t j = std::max<std::ptrdiff_t>(offset - length, 0); j < 2; ++j) {
                if (matcher.Feed(static_cast<unsigned char>(kLineBreak[j])))
                    return base + length + j + 1 - n;
            }
            base += length + 2;
        } else {
            base += length;
        }
        offset = 0;
    }
    return std::nullopt;
}

// Reads the text backwards from the last byte a match before `start` may
// have, matching the reversed search text.
std::optional<std::ptrdiff_t> FindBackward(const TEditorScreenStrings& rows,
                                           const std::string& upper, std::ptrdiff_t start) {
    const auto n = static_cast<std::ptrdiff_t>(upper.size());
    Matcher matcher(std::string(upper.rbegin(), upper.rend()));
    const std::ptrdiff_t last = std::min(rows.TextLength() - 1, start + n - 2);
    int row = rows.RowFromCharIndex(last);
    std::ptrdiff_t offset = last - rows.RowCharIndex(row);
    for (; row >= 0; --row) {
        const std::ptrdiff_t base = rows.RowCharIndex(row);
        const std::string_view bytes = rows.RowView(row);
        const auto length = static_cast<std::ptrdiff_t>(bytes.size());
        if (rows.GetRowEndKind(row) == RowEndKind::LineEnd) {
            for (std::ptrdiff_t j = std::min<std::ptrdiff_t>(offset - length, 1); j >= 0; --j) {
                if (matcher.Feed(static_cast<unsigned char>(kLineBreak[j])))
                    return base + length + j;
            }
        }
        TrailTest trail(bytes);
        CandidateScan candidates(bytes, matcher.First());
        for (std::ptrdiff_t i = std::min(offset, length - 1); i >= 0; --i) {
            if (matcher.Idle() && (i = candidates.Previous(i)) < 0)
                break;
            if (matcher.Feed(trail.UpperAt(i)))
                return base + i;
        }
        offset = std::numeric_limits<std::ptrdiff_t>::max();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::ptrdiff_t> FindText(const TEditorScreenStrings& rows,
                                       std::string_view searchText, std::ptrdiff_t start,
                                       SearchDirection direction) {
    const std::ptrdiff_t length = rows.TextLength();
    start = std::clamp<std::ptrdiff_t>(start, 0, length);
    // A candidate must begin inside the text, even an empty one.
    if (direction == SearchDirection::Forward) {
        if (start >= length)
            return std::nullopt;
        if (searchText.empty())
            return start;
        return FindForward(rows, AnsiUpperCase(searchText), start);
    }
    if (start == 0)
        return std::nullopt;
    if (searchText.empty())
        return start - 1;
    return FindBackward(rows, AnsiUpperCase(searchText), start);
}

} // namespace mojiro
