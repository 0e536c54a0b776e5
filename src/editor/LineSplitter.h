// Splitting text into logical lines: a line ends at CR LF, at a lone CR and
// at a lone LF (LF CR is two breaks). Text may arrive in pieces; a CR at the
// end of one piece still pairs with an LF at the start of the next.
#pragma once

#include <string>
#include <string_view>

namespace mojiro {

class LineSplitter {
public:
    // `stopAtEof`: the first Ctrl+Z (26) ends the text, as files are read.
    explicit LineSplitter(bool stopAtEof) : stopAtEof_(stopAtEof) {}

    // Calls onLine(line, endsWithBreak) for each line completed by `piece`.
    template <typename OnLine> void Feed(std::string_view piece, OnLine&& onLine);
    // The text ended: a pending line without a break is emitted.
    template <typename OnLine> void Finish(OnLine&& onLine);
    [[nodiscard]] bool Stopped() const { return stopped_; }

private:
    bool stopAtEof_;
    bool stopped_ = false;
    bool afterCr_ = false;
    std::string carry_; // a line begun in an earlier piece
};

template <typename OnLine> void LineSplitter::Feed(std::string_view piece, OnLine&& onLine) {
    std::size_t i = 0;
    if (stopped_)
        return;
    if (afterCr_ && !piece.empty()) {
        afterCr_ = false;
        if (piece[0] == '\n')
            i = 1;
    }
    while (i < piece.size()) {
        std::size_t end = i;
        while (end < piece.size() && piece[end] != '\r' && piece[end] != '\n' &&
               !(stopAtEof_ && piece[end] == 26))
            ++end;
        if (end == piece.size()) {
            carry_.append(piece.substr(i));
            return;
        }
        const std::string_view segment = piece.substr(i, end - i);
        if (piece[end] == 26) {
            carry_.append(segment);
            stopped_ = true;
            return;
        }
        if (carry_.empty()) {
            onLine(segment, true);
        } else {
            carry_.append(segment);
            onLine(std::string_view(carry_), true);
            carry_.clear();
        }
        i = end + 1;
        if (piece[end] == '\r') {
            if (i == piece.size())
                afterCr_ = true;
            else if (piece[i] == '\n')
                ++i;
        }
    }
}

template <typename OnLine> void LineSplitter::Finish(OnLine&& onLine) {
    if (!carry_.empty())
        onLine(std::string_view(carry_), false);
    carry_.clear();
}

} // namespace mojiro
