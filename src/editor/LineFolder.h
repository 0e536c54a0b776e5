// Folding of one logical line into rows under the line-breaking rules:
// the double-byte edge, word break, hanging punctuation and pushing out.
#pragma once

#include "editor/ColumnClasses.h"
#include "editor/EditorTypes.h"
#include "editor/PointerStringList.h"

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

class TEditorWrapOption;

// A character set of the wrap options compiled for constant-time lookups.
// Answers exactly as ContainsChar(ch, set) for the one-character texts the
// folder asks about.
class KinsokuSet {
public:
    KinsokuSet() = default;
    explicit KinsokuSet(std::string_view set);
    [[nodiscard]] bool Contains(std::string_view ch) const;

private:
    std::string text_;
    std::bitset<256> single_;     // one-byte members
    std::bitset<256> leadOfPair_; // first bytes of two-byte members
    std::vector<bool> pairs_;     // two-byte members by lead * 256 + trail
};

// One row of a folded line: bytes [from, to) of the line.
struct FoldedRow {
    std::size_t from;
    std::size_t to;
    RowEndKind kind;
};

class LineFolder {
public:
    LineFolder(const TEditorWrapOption& options, int tabWidth, const Delimiters& delimiters);

    // The rows of `line` (a line without its break), appended to `rows`.
    void Fold(std::string_view line, std::vector<FoldedRow>& rows);
    // The rows of `line` appended to `list` straight away.
    void FoldInto(std::string_view line, TEditorStringList& list);
    [[nodiscard]] int CountRows(std::string_view line);
    [[nodiscard]] int WrapByte() const { return wrapByte_; }

private:
    template <typename Emit> void Run(std::string_view line, Emit&& emit);

    int wrapByte_;
    bool followRetMark_;
    bool followPunctuation_;
    bool leading_;
    bool wordBreak_;
    KinsokuSet follow_;
    KinsokuSet lead_;
    KinsokuSet punctuation_;
    TabRule tabRule_;
    const Delimiters& delimiters_;
    std::string classes_; // reused between lines
};

// Appends the rows of one logical line to `list`: one line-end row when
// `folder` is absent (folding off), else the folded rows.
void AppendLine(TEditorStringList& list, std::string_view line, LineFolder* folder);

} // namespace mojiro
