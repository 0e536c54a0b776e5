// TPointerStringList: an unsorted list of byte strings, each with a small
// datum beside it. All row bytes live in one gap buffer and the row starts in
// running sums, so a document of millions of rows costs little more than its
// bytes, and finding a row by byte or line position is a binary search.
#pragma once

#include "editor/EditorTypes.h"
#include "editor/Partitioning.h"
#include "editor/SplitVector.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace mojiro {

class TPointerStringList {
public:
    using Datum = std::uint32_t;
    using ChangeHandler = std::function<void()>;

    TPointerStringList() = default;
    TPointerStringList(const TPointerStringList&) = delete;
    TPointerStringList& operator=(const TPointerStringList&) = delete;
    virtual ~TPointerStringList() = default;

    [[nodiscard]] int Count() const { return static_cast<int>(data_.Length()); }
    [[nodiscard]] std::string Get(int index) const;
    // The row's bytes without a copy; valid until the list next changes.
    [[nodiscard]] std::string_view RowView(int index) const;
    [[nodiscard]] std::ptrdiff_t RowLength(int index) const;
    void Put(int index, std::string_view s);
    int Add(std::string_view s);
    void Insert(int index, std::string_view s);
    void Delete(int index);
    virtual void Clear();

    // Bits 8..31 of a datum are never used and are not kept.
    [[nodiscard]] Datum Data(int index) const;
    void SetData(int index, Datum datum);

    // Update blocks nest; the change handler runs once at the end of the
    // outermost block, or after each structural change outside a block.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    [[nodiscard]] int UpdateCount() const { return updateCount_; }
    void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }

    // Running sums over the rows before `row` (`row` may equal Count()): how
    // many of them are line-end rows (low four datum bits zero), their
    // character count (bytes plus 2 for each line-end row's CR LF), and their
    // bytes.
    [[nodiscard]] int LineEndsBefore(int row) const {
        return static_cast<int>(lineEnds_.Start(row));
    }
    [[nodiscard]] std::ptrdiff_t CharStart(int row) const { return chars_.Start(row); }
    [[nodiscard]] std::ptrdiff_t ByteStart(int row) const {
        return chars_.Start(row) - 2 * lineEnds_.Start(row);
    }
    // The row holding character index `index`: the last row whose start is at
    // or before it (the last row for an index past the end).
    [[nodiscard]] int RowFromCharStart(std::ptrdiff_t index) const {
        return static_cast<int>(chars_.ItemFromSum(index));
    }
    // The first row r with LineEndsBefore(r) >= count.
    [[nodiscard]] int FirstRowAfterLineEnds(int count) const {
        return static_cast<int>(lineEnds_.FirstPartitionReaching(count));
    }
    // Bytes of rows first..end-1 joined, without a copy; valid until the next change.
    [[nodiscard]] std::string_view Span(int first, int end) const;

    // Appends a row without notification; for building lists quickly.
    void AppendRow(std::string_view s, Datum datum);
    // Inserts the rows of `source` (texts and data) before `index`.
    void InsertRowsFrom(int index, TPointerStringList& source);
    // Removes rows first..first+count-1 in one step.
    void DeleteRange(int first, int count);
    // Makes room for more rows and bytes (a hint to avoid regrowth).
    void Reserve(int rows, std::ptrdiff_t bytes);
    // Exchanges the contents (not the handlers) with another list.
    void SwapContents(TPointerStringList& other) noexcept;
    [[nodiscard]] std::size_t MemoryUsed() const;

protected:
    virtual void Changed();
    void StructureChanged() {
        if (updateCount_ == 0)
            Changed();
    }
    void CheckIndex(int index) const {
        if (index < 0 || index >= Count())
            throw ListIndexError(index);
    }
    static bool EndsLine(Datum datum) { return (datum & 0xF) == 0; }
    static std::ptrdiff_t BreakLength(Datum datum) { return EndsLine(datum) ? 2 : 0; }

private:
    void InsertRowRaw(int index, std::string_view s, Datum datum);
    void DeleteRowsRaw(int first, int count);

    mutable SplitVector<char> text_; // every row's bytes, end to end (views move the gap)
    // One running sum serves both the row starts in text_ and the character
    // index, so a lookup by character index searches a single array.
    Partitioning<std::ptrdiff_t> chars_;    // character start of each row
    Partitioning<std::ptrdiff_t> lineEnds_; // line-end rows before each row
    SplitVector<std::uint8_t> data_;        // the datum of each row
    int updateCount_ = 0;
    ChangeHandler onChange_;
};

// A list of rows with row-end kinds and scanner states in its data: the
// output of folding and the rows replayed by undo.
class TEditorStringList : public TPointerStringList {
public:
    [[nodiscard]] RowEndKind GetRowEndKind(int row) const {
        return static_cast<RowEndKind>(Data(row) & 0xF);
    }
    void SetRowEndKind(int row, RowEndKind kind) {
        SetData(row, (Data(row) & 0xFF0) | static_cast<Datum>(kind));
    }
    [[nodiscard]] int ScannerState(int row) const {
        return static_cast<int>((Data(row) >> 4) & 0xF) - 2;
    }
    void SetScannerState(int row, int state) {
        SetData(row, (Data(row) & ~Datum{0xF0}) | (static_cast<Datum>(state + 2) & 0xF) << 4);
    }
};

} // namespace mojiro
