// Running sums over a sequence of items (rows), kept as partition starts:
// Start(i) is the sum of the values of items 0..i-1. A change of one item's
// value is recorded as a pending "step" applied lazily, so edits near one
// another cost O(1) amortised and lookups by sum are a binary search.
#pragma once

#include "editor/SplitVector.h"

namespace mojiro {

template <typename T> class Partitioning {
public:
    Partitioning() { body_.Insert(0, 0); }

    [[nodiscard]] std::ptrdiff_t Partitions() const { return body_.Length() - 1; }

    // Sum of the values of the items before `partition` (0..Partitions()).
    [[nodiscard]] T Start(std::ptrdiff_t partition) const {
        T value = body_.ValueAt(partition);
        if (partition > stepPartition_)
            value += stepLength_;
        return value;
    }
    [[nodiscard]] T Total() const { return Start(Partitions()); }

    // Inserts an item of value 0 before `partition`.
    void InsertPartition(std::ptrdiff_t partition) {
        const T start = Start(partition);
        if (stepPartition_ < partition)
            ApplyStep(partition);
        body_.Insert(partition, start);
        ++stepPartition_;
    }
    // Removes the item `partition`, whose value must already be 0.
    void RemovePartition(std::ptrdiff_t partition) {
        if (partition > stepPartition_)
            ApplyStep(partition);
        --stepPartition_;
        body_.Delete(partition);
    }
    // Adds delta to the value of item `item`.
    void AddToItem(std::ptrdiff_t item, T delta) {
        if (delta == 0)
            return;
        if (stepLength_ != 0) {
            if (item >= stepPartition_) {
                ApplyStep(item);
            } else if (item >= stepPartition_ - body_.Length() / 10) {
                BackStep(item);
            } else {
                ApplyStep(body_.Length() - 1);
                stepPartition_ = item;
            }
            stepLength_ += delta;
        } else {
            stepPartition_ = item;
            stepLength_ = delta;
        }
    }
    [[nodiscard]] T ItemValue(std::ptrdiff_t item) const { return Start(item + 1) - Start(item); }

    // The item i with Start(i) <= sum < Start(i + 1); the last item for a sum
    // at or past the total, 0 for a sum below 0. Needs at least one item.
    [[nodiscard]] std::ptrdiff_t ItemFromSum(T sum) const {
        std::ptrdiff_t lower = 0;
        std::ptrdiff_t upper = Partitions() - 1;
        if (upper <= 0 || sum >= Start(upper))
            return upper < 0 ? 0 : upper;
        while (lower < upper) {
            const std::ptrdiff_t middle = (upper + lower + 1) / 2;
            if (sum < Start(middle))
                upper = middle - 1;
            else
                lower = middle;
        }
        return lower;
    }
    // The first partition p with Start(p) >= sum (Partitions() + 1 when none).
    [[nodiscard]] std::ptrdiff_t FirstPartitionReaching(T sum) const {
        std::ptrdiff_t lower = 0;
        std::ptrdiff_t upper = Partitions() + 1;
        while (lower < upper) {
            const std::ptrdiff_t middle = (lower + upper) / 2;
            if (Start(middle) < sum)
                lower = middle + 1;
            else
                upper = middle;
        }
        return lower;
    }

    void Clear() {
        body_.DeleteAll();
        body_.Insert(0, 0);
        stepPartition_ = 0;
        stepLength_ = 0;
    }
    [[nodiscard]] std::size_t Capacity() const { return body_.Capacity(); }
    void Reserve(std::ptrdiff_t partitions) { body_.Reserve(partitions); }

private:
    // Makes the stored starts exact up to and including `upTo`.
    void ApplyStep(std::ptrdiff_t upTo) {
        if (stepLength_ != 0)
            body_.AddToRange(stepPartition_ + 1, upTo + 1, stepLength_);
        stepPartition_ = upTo;
        if (stepPartition_ >= body_.Length() - 1) {
            stepPartition_ = body_.Length() - 1;
            stepLength_ = 0;
        }
    }
    // Moves the step back to `downTo`, taking it off the starts passed over.
    void BackStep(std::ptrdiff_t downTo) {
        if (stepLength_ != 0)
            body_.AddToRange(downTo + 1, stepPartition_ + 1, -stepLength_);
        stepPartition_ = downTo;
    }

    SplitVector<T> body_;
    std::ptrdiff_t stepPartition_ = 0; // starts after this one lack stepLength_
    T stepLength_ = 0;
};

} // namespace mojiro
