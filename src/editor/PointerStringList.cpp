#include "editor/PointerStringList.h"

#include <utility>

namespace mojiro {

std::string TPointerStringList::Get(int index) const {
    CheckIndex(index);
    const std::ptrdiff_t start = ByteStart(index);
    std::string s(static_cast<std::size_t>(ByteStart(index + 1) - start), '\0');
    text_.CopyTo(start, static_cast<std::ptrdiff_t>(s.size()), s.data());
    return s;
}

std::string_view TPointerStringList::RowView(int index) const {
    CheckIndex(index);
    return Span(index, index + 1);
}

std::string_view TPointerStringList::Span(int first, int end) const {
    const std::ptrdiff_t start = ByteStart(first);
    const std::ptrdiff_t length = ByteStart(end) - start;
    if (length == 0)
        return {};
    return {text_.RangePointer(start, length), static_cast<std::size_t>(length)};
}

std::ptrdiff_t TPointerStringList::RowLength(int index) const {
    CheckIndex(index);
    return ByteStart(index + 1) - ByteStart(index);
}

void TPointerStringList::Put(int index, std::string_view s) {
    CheckIndex(index);
    const std::ptrdiff_t start = ByteStart(index);
    const std::ptrdiff_t oldLength = ByteStart(index + 1) - start;
    text_.DeleteRange(start, oldLength);
    text_.InsertFromArray(start, s.data(), static_cast<std::ptrdiff_t>(s.size()));
    chars_.AddToItem(index, static_cast<std::ptrdiff_t>(s.size()) - oldLength);
    StructureChanged();
}

int TPointerStringList::Add(std::string_view s) {
    const int index = Count();
    InsertRowRaw(index, s, 0);
    StructureChanged();
    return index;
}

void TPointerStringList::Insert(int index, std::string_view s) {
    if (index < 0 || index > Count())
        throw ListIndexError(index);
    InsertRowRaw(index, s, 0);
    StructureChanged();
}

void TPointerStringList::Delete(int index) {
    CheckIndex(index);
    DeleteRowsRaw(index, 1);
    StructureChanged();
}

void TPointerStringList::Clear() {
    if (Count() == 0)
        return;
    text_.DeleteAll();
    chars_.Clear();
    lineEnds_.Clear();
    data_.DeleteAll();
    StructureChanged();
}

TPointerStringList::Datum TPointerStringList::Data(int index) const {
    CheckIndex(index);
    return data_.ValueAt(index);
}

void TPointerStringList::SetData(int index, Datum datum) {
    CheckIndex(index);
    const Datum old = data_.ValueAt(index);
    data_.SetValueAt(index, static_cast<std::uint8_t>(datum));
    if (EndsLine(old) != EndsLine(datum)) {
        lineEnds_.AddToItem(index, EndsLine(datum) ? 1 : -1);
        chars_.AddToItem(index, BreakLength(datum) - BreakLength(old));
    }
}

void TPointerStringList::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TPointerStringList::Changed() {
    if (onChange_)
        onChange_();
}

void TPointerStringList::AppendRow(std::string_view s, Datum datum) {
    InsertRowRaw(Count(), s, datum);
}

void TPointerStringList::InsertRowsFrom(int index, TPointerStringList& source) {
    if (index < 0 || index > Count())
        throw ListIndexError(index);
    const int n = source.Count();
    if (n == 0)
        return;
    // All bytes go in with one move of the gap, then the row starts follow.
    const std::ptrdiff_t at = ByteStart(index);
    const std::string_view bytes = source.Span(0, n);
    text_.InsertFromArray(at, bytes.data(), static_cast<std::ptrdiff_t>(bytes.size()));
    for (int i = 0; i < n; ++i) {
        const Datum datum = source.data_.ValueAt(i);
        chars_.InsertPartition(index + i);
        chars_.AddToItem(index + i, source.chars_.ItemValue(i));
        lineEnds_.InsertPartition(index + i);
        if (EndsLine(datum))
            lineEnds_.AddToItem(index + i, 1);
        data_.Insert(index + i, static_cast<std::uint8_t>(datum));
    }
    StructureChanged();
}

void TPointerStringList::DeleteRange(int first, int count) {
    if (count <= 0)
        return;
    if (first < 0 || first + count > Count())
        throw ListIndexError(first < 0 ? first : first + count - 1);
    DeleteRowsRaw(first, count);
    StructureChanged();
}

void TPointerStringList::Reserve(int rows, std::ptrdiff_t bytes) {
    text_.Reserve(bytes);
    data_.Reserve(rows);
    chars_.Reserve(rows);
    lineEnds_.Reserve(rows);
}

void TPointerStringList::SwapContents(TPointerStringList& other) noexcept {
    std::swap(text_, other.text_);
    std::swap(chars_, other.chars_);
    std::swap(lineEnds_, other.lineEnds_);
    std::swap(data_, other.data_);
}

std::size_t TPointerStringList::MemoryUsed() const {
    return text_.Capacity() + chars_.Capacity() + lineEnds_.Capacity() + data_.Capacity();
}

void TPointerStringList::InsertRowRaw(int index, std::string_view s, Datum datum) {
    const auto length = static_cast<std::ptrdiff_t>(s.size());
    text_.InsertFromArray(ByteStart(index), s.data(), length);
    chars_.InsertPartition(index);
    chars_.AddToItem(index, length + BreakLength(datum));
    lineEnds_.InsertPartition(index);
    if (EndsLine(datum))
        lineEnds_.AddToItem(index, 1);
    data_.Insert(index, static_cast<std::uint8_t>(datum));
}

void TPointerStringList::DeleteRowsRaw(int first, int count) {
    const std::ptrdiff_t byteStart = ByteStart(first);
    const std::ptrdiff_t bytes = ByteStart(first + count) - byteStart;
    const std::ptrdiff_t chars = chars_.Start(first + count) - chars_.Start(first);
    const std::ptrdiff_t ends = lineEnds_.Start(first + count) - lineEnds_.Start(first);
    text_.DeleteRange(byteStart, bytes);
    // Dropping the boundaries after `first` merges the deleted rows into the
    // row that follows them; taking their total off that row leaves it exact.
    for (int i = 0; i < count; ++i) {
        chars_.RemovePartition(first + 1);
        lineEnds_.RemovePartition(first + 1);
    }
    chars_.AddToItem(first, -chars);
    lineEnds_.AddToItem(first, -ends);
    data_.DeleteRange(first, count);
}

} // namespace mojiro
