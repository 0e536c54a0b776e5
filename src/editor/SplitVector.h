// A gap buffer: a vector with a movable hole, so that runs of inserts and
// deletes near one place cost O(run length) instead of O(size).
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <sys/mman.h>
#include <type_traits>

namespace mojiro {

// Memory for the large arrays of a document. Blocks of several megabytes are
// aligned for and advised to use huge pages: a 100 MB article then takes a few
// hundred page faults to fill instead of tens of thousands.
struct BlockDeleter {
    void operator()(void* block) const { std::free(block); }
};

template <typename T> std::unique_ptr<T[], BlockDeleter> AllocateBlock(std::size_t count) {
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    std::size_t bytes = count * sizeof(T);
    void* block = nullptr;
    if (bytes >= 2 * kHugePage) {
        bytes = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        block = std::aligned_alloc(kHugePage, bytes);
        if (block != nullptr)
            ::madvise(block, bytes, MADV_HUGEPAGE);
    } else {
        block = std::malloc(bytes == 0 ? 1 : bytes);
    }
    if (block == nullptr)
        throw std::bad_alloc();
    return std::unique_ptr<T[], BlockDeleter>(static_cast<T*>(block));
}

template <typename T> class SplitVector {
    static_assert(std::is_trivially_copyable_v<T>, "elements are moved with memmove");

public:
    [[nodiscard]] std::ptrdiff_t Length() const { return length_; }

    [[nodiscard]] T ValueAt(std::ptrdiff_t pos) const {
        assert(pos >= 0 && pos < length_);
        return pos < part1_ ? body_[pos] : body_[pos + gap_];
    }
    void SetValueAt(std::ptrdiff_t pos, T value) {
        assert(pos >= 0 && pos < length_);
        (pos < part1_ ? body_[pos] : body_[pos + gap_]) = value;
    }
    // Adds delta to every element in [from, to).
    void AddToRange(std::ptrdiff_t from, std::ptrdiff_t to, T delta) {
        for (std::ptrdiff_t i = from; i < std::min(to, part1_); ++i)
            body_[i] += delta;
        for (std::ptrdiff_t i = std::max(from, part1_); i < to; ++i)
            body_[i + gap_] += delta;
    }

    void Insert(std::ptrdiff_t pos, T value) { InsertValue(pos, 1, value); }
    void InsertValue(std::ptrdiff_t pos, std::ptrdiff_t count, T value) {
        if (count <= 0)
            return;
        PrepareInsert(pos, count);
        std::fill_n(body_.get() + part1_, count, value);
        Advance(count);
    }
    void InsertFromArray(std::ptrdiff_t pos, const T* values, std::ptrdiff_t count) {
        if (count <= 0)
            return;
        PrepareInsert(pos, count);
        std::memmove(body_.get() + part1_, values, static_cast<std::size_t>(count) * sizeof(T));
        Advance(count);
    }
    void Delete(std::ptrdiff_t pos) { DeleteRange(pos, 1); }
    void DeleteRange(std::ptrdiff_t pos, std::ptrdiff_t count) {
        assert(pos >= 0 && count >= 0 && pos + count <= length_);
        if (count == 0)
            return;
        if (pos == 0 && count == length_) {
            DeleteAll();
            return;
        }
        GapTo(pos);
        gap_ += count;
        length_ -= count;
    }
    void DeleteAll() {
        body_.reset();
        capacity_ = length_ = part1_ = gap_ = 0;
    }
    // Makes room for `count` more elements without further reallocation.
    void Reserve(std::ptrdiff_t count) {
        if (gap_ < count)
            Grow(count - gap_);
    }

    // A pointer to `count` contiguous elements from pos; valid until the
    // next change. Moves the gap out of the way when it lies inside the range.
    [[nodiscard]] const T* RangePointer(std::ptrdiff_t pos, std::ptrdiff_t count) {
        assert(pos >= 0 && count >= 0 && pos + count <= length_);
        if (pos < part1_ && pos + count > part1_)
            GapTo(pos);
        if (!body_)
            return nullptr;
        return pos < part1_ ? body_.get() + pos : body_.get() + pos + gap_;
    }
    void CopyTo(std::ptrdiff_t pos, std::ptrdiff_t count, T* out) const {
        const std::ptrdiff_t first = std::clamp<std::ptrdiff_t>(part1_ - pos, 0, count);
        if (first > 0)
            std::memcpy(out, body_.get() + pos, static_cast<std::size_t>(first) * sizeof(T));
        if (count > first)
            std::memcpy(out + first, body_.get() + pos + first + gap_,
                        static_cast<std::size_t>(count - first) * sizeof(T));
    }
    // Bytes held, for memory accounting.
    [[nodiscard]] std::size_t Capacity() const {
        return static_cast<std::size_t>(capacity_) * sizeof(T);
    }

private:
    void GapTo(std::ptrdiff_t pos) {
        if (pos == part1_)
            return;
        T* data = body_.get();
        if (pos < part1_) {
            std::memmove(data + pos + gap_, data + pos,
                         static_cast<std::size_t>(part1_ - pos) * sizeof(T));
        } else {
            std::memmove(data + part1_, data + part1_ + gap_,
                         static_cast<std::size_t>(pos - part1_) * sizeof(T));
        }
        part1_ = pos;
    }
    void Grow(std::ptrdiff_t extra) {
        // Grow by at least half the current size so that appending stays
        // amortised O(1). The new block is not zero-filled: every element is
        // written before it is read, and filling 100 MB costs more than folding it.
        const std::ptrdiff_t add = std::max<std::ptrdiff_t>({extra, capacity_ / 2, 16});
        GapTo(length_);
        auto grown = AllocateBlock<T>(static_cast<std::size_t>(capacity_ + add));
        if (length_ > 0)
            std::memcpy(grown.get(), body_.get(), static_cast<std::size_t>(length_) * sizeof(T));
        body_ = std::move(grown);
        capacity_ += add;
        gap_ += add;
    }
    void PrepareInsert(std::ptrdiff_t pos, std::ptrdiff_t count) {
        assert(pos >= 0 && pos <= length_);
        if (gap_ < count)
            Grow(count - gap_);
        GapTo(pos);
    }
    void Advance(std::ptrdiff_t count) {
        part1_ += count;
        gap_ -= count;
        length_ += count;
    }

    std::unique_ptr<T[], BlockDeleter> body_;
    std::ptrdiff_t capacity_ = 0; // elements the block can hold
    std::ptrdiff_t length_ = 0;   // elements held
    std::ptrdiff_t part1_ = 0;    // elements before the gap
    std::ptrdiff_t gap_ = 0;      // size of the gap
};

} // namespace mojiro
