#include "editor/LineFolder.h"

#include "editor/WrapOption.h"
#include "platform/CodePage.h"

namespace mojiro {

KinsokuSet::KinsokuSet(std::string_view set) : text_(set), pairs_(65536, false) {
    for (std::size_t i = 0; i < set.size();) {
        const auto b = static_cast<unsigned char>(set[i]);
        if (IsLeadByte(b)) {
            leadOfPair_.set(b);
            if (i + 1 < set.size())
                pairs_[b * 256u + static_cast<unsigned char>(set[i + 1])] = true;
            i += 2;
        } else {
            single_.set(b);
            ++i;
        }
    }
}

bool KinsokuSet::Contains(std::string_view ch) const {
    if (ch.empty() || ch.size() > text_.size())
        return false;
    const auto b = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) // a lone lead byte also matches the start of a pair
        return single_.test(b) || leadOfPair_.test(b);
    if (ch.size() == 2 && IsLeadByte(b))
        return pairs_[b * 256u + static_cast<unsigned char>(ch[1])];
    return ContainsChar(ch, text_);
}

LineFolder::LineFolder(const TEditorWrapOption& options, int tabWidth, const Delimiters& delimiters)
    : wrapByte_(options.WrapByte()), followRetMark_(options.FollowRetMark()),
      followPunctuation_(options.FollowPunctuation()), leading_(options.Leading()),
      wordBreak_(options.WordBreak()), follow_(options.FollowStr()), lead_(options.LeadStr()),
      punctuation_(options.PunctuationStr()), tabRule_{tabWidth, true, options.WrapByte()},
      delimiters_(delimiters) {}

namespace {

// A cursor over a line and its column classes. Columns and byte indexes count
// from 1; the class string ends with the terminator class '0'.
class AttributeCursor {
public:
    AttributeCursor(std::string_view text, const std::string& classes)
        : text_(text), classes_(classes), count_(static_cast<long long>(classes.size())) {
        cls_ = count_ > 0 ? classes_[0] : '0';
    }

    [[nodiscard]] long long ColumnCount() const { return count_; }
    [[nodiscard]] long long Column() const { return column_; }
    [[nodiscard]] long long ByteIndex() const { return byte_; }
    [[nodiscard]] char Class() const { return cls_; }

    void NextColumn() {
        if (cls_ == '0')
            return;
        ++column_;
        cls_ = ClassAt(column_);
        if (cls_ != kClassTabFill)
            ++byte_;
    }
    void PrevColumn() {
        if (column_ == 1)
            return;
        const char left = cls_;
        --column_;
        cls_ = ClassAt(column_);
        if (left != kClassTabFill)
            --byte_;
    }
    void SeekColumn(long long c) {
        while (cls_ != '0' && column_ < c)
            NextColumn();
        while (column_ > 1 && column_ > c)
            PrevColumn();
    }
    void StepBackChar() {
        PrevColumn();
        if (cls_ == kClassLead)
            PrevColumn();
    }
    [[nodiscard]] std::string_view CurrentChar() const {
        if (cls_ == '0')
            return {};
        if (cls_ == kClassTrail)
            return Bytes(byte_ - 1, 2);
        if (cls_ == kClassLead)
            return Bytes(byte_, 2);
        return Bytes(byte_, 1);
    }
    [[nodiscard]] std::string_view PeekChar() {
        NextColumn();
        const std::string_view ch = CurrentChar();
        PrevColumn();
        return ch;
    }

private:
    [[nodiscard]] char ClassAt(long long column) const {
        return column <= count_ ? classes_[static_cast<std::size_t>(column - 1)] : '0';
    }
    // Bytes from 1-based index `first`, clipped to the text (a lone lead
    // byte at the end has no trail).
    [[nodiscard]] std::string_view Bytes(long long first, long long length) const {
        const auto size = static_cast<long long>(text_.size());
        if (first < 1)
            first = 1;
        if (first > size)
            return {};
        return text_.substr(static_cast<std::size_t>(first - 1),
                            static_cast<std::size_t>(std::min(length, size - first + 1)));
    }

    std::string_view text_;
    const std::string& classes_;
    long long count_;
    long long column_ = 1;
    long long byte_ = 1;
    char cls_;
};

} // namespace

template <typename Emit> void LineFolder::Run(std::string_view line, Emit&& emit) {
    const long long w = wrapByte_;
    const auto size = static_cast<long long>(line.size());
    // Width never falls below the byte count, so most lines need no classes.
    if (size < w && DisplayWidth(line, tabRule_) < w) {
        emit(0, line.size(), RowEndKind::LineEnd);
        return;
    }
    ColumnClassesInto(classes_, line, tabRule_, delimiters_);
    const long long n = static_cast<long long>(classes_.size());
    if (n < w) {
        emit(0, line.size(), RowEndKind::LineEnd);
        return;
    }
    AttributeCursor cur(line, classes_);
    cur.SeekColumn(w);
    long long from = 1;
    long long s = 1;
    bool emitted = false;
    std::size_t lastFrom = 0;
    std::size_t lastTo = 0;
    auto clip = [size](long long index) { return static_cast<std::size_t>(std::min(index, size)); };
    const long long pushLimit = (w / 5) * 4;

    while (cur.Class() != '0') {
        // A double-byte character cut by the edge moves to the next row.
        if (cur.Class() == kClassLead) {
            cur.PrevColumn();
        } else if (wordBreak_ && n > w) {
            // Keep a half-width word whole, unless the row would get too short.
            while (cur.Class() != kClassDelimiter && cur.Class() != kClassTabFill &&
                   cur.Class() != kClassTrail && cur.Column() - s > w / 3)
                cur.StepBackChar();
        }
        if (followPunctuation_) {
            while (cur.Column() - s < w + 2 && punctuation_.Contains(cur.PeekChar())) {
                cur.NextColumn();
                if (cur.Class() == kClassLead)
                    cur.NextColumn();
            }
        }
        if (leading_ && n > cur.Column()) {
            while (cur.Column() - s >= pushLimit && lead_.Contains(cur.CurrentChar()))
                cur.StepBackChar();
            if (n > cur.Column() + 1) {
                std::string_view next = cur.PeekChar();
                std::string_view last = cur.CurrentChar();
                if (follow_.Contains(next)) {
                    while (cur.Column() - s >= pushLimit &&
                           (lead_.Contains(last) || follow_.Contains(next))) {
                        cur.StepBackChar();
                        next = last;
                        last = cur.CurrentChar();
                    }
                }
            }
        }
        lastFrom = clip(from - 1);
        lastTo = clip(cur.ByteIndex());
        emit(lastFrom, lastTo, RowEndKind::Wrapped);
        emitted = true;
        from = cur.ByteIndex() + 1;
        s = cur.Column() + 1;
        for (long long i = 0; i < w; ++i)
            cur.NextColumn();
    }
    if (s < n + 1) {
        emit(clip(from - 1), line.size(), RowEndKind::LineEnd);
    } else if (!followRetMark_ || !emitted) {
        emit(line.size(), line.size(), RowEndKind::LineEnd);
    } else {
        emit(lastFrom, lastTo, RowEndKind::None); // the last row keeps the line break
    }
}

void LineFolder::Fold(std::string_view line, std::vector<FoldedRow>& rows) {
    Run(line, [&rows](std::size_t from, std::size_t to, RowEndKind kind) {
        if (kind == RowEndKind::None)
            rows.back().kind = RowEndKind::LineEnd;
        else
            rows.push_back({from, to, kind});
    });
}

void LineFolder::FoldInto(std::string_view line, TEditorStringList& list) {
    Run(line, [&list, line](std::size_t from, std::size_t to, RowEndKind kind) {
        if (kind == RowEndKind::None)
            list.SetRowEndKind(list.Count() - 1, RowEndKind::LineEnd);
        else
            list.AppendRow(line.substr(from, to - from), static_cast<std::uint32_t>(kind));
    });
}

int LineFolder::CountRows(std::string_view line) {
    int count = 0;
    Run(line, [&count](std::size_t, std::size_t, RowEndKind kind) {
        if (kind != RowEndKind::None)
            ++count;
    });
    return count;
}

void AppendLine(TEditorStringList& list, std::string_view line, LineFolder* folder) {
    if (folder == nullptr) {
        list.AppendRow(line, static_cast<std::uint32_t>(RowEndKind::LineEnd));
        return;
    }
    folder->FoldInto(line, list);
}

} // namespace mojiro
