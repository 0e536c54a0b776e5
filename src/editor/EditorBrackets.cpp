#include "editor/EditorBrackets.h"

#include <utility>

namespace mojiro {

void TEditorBracketItem::Assign(const TEditorBracketItem& source) {
    itemColor_.Assign(source.itemColor_);
    leftBracket_ = source.leftBracket_;
    rightBracket_ = source.rightBracket_;
}

void TEditorBracketCollection::Assign(const TEditorBracketCollection& source) {
    // Copy first and swap in afterwards, so that assigning the collection to
    // itself does not clear the very items it is copying from.
    std::vector<std::unique_ptr<TEditorBracketItem>> copies;
    copies.reserve(source.items_.size());
    for (const auto& item : source.items_) {
        copies.push_back(std::make_unique<TEditorBracketItem>());
        copies.back()->Assign(*item);
    }
    BeginUpdate();
    items_ = std::move(copies);
    EndUpdate();
}

void TEditorBracketCollection::CheckIndex(int i) const {
    if (i < 0 || i >= Count())
        throw ListIndexError(i);
}

TEditorBracketItem& TEditorBracketCollection::Items(int i) {
    CheckIndex(i);
    return *items_[i];
}

const TEditorBracketItem& TEditorBracketCollection::Items(int i) const {
    CheckIndex(i);
    return *items_[i];
}

TEditorBracketItem& TEditorBracketCollection::Add() {
    if (Count() >= kMaxBrackets)
        throw EditorError("TEditorBracketCollection\r\nYou can not add item over " +
                          std::to_string(kMaxBrackets));
    items_.push_back(std::make_unique<TEditorBracketItem>());
    Changed();
    return *items_.back();
}

void TEditorBracketCollection::Clear() {
    // Like any list, clearing an empty one changes nothing and says nothing.
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TEditorBracketCollection::Delete(int i) {
    CheckIndex(i);
    items_.erase(items_.begin() + i);
    Changed();
}

void TEditorBracketCollection::SetAllBkColor(TColor value) {
    BeginUpdate();
    for (auto& item : items_)
        item->ItemColor().SetBkColor(value);
    EndUpdate();
}

void TEditorBracketCollection::SetAllColor(TColor value) {
    BeginUpdate();
    for (auto& item : items_)
        item->ItemColor().SetColor(value);
    EndUpdate();
}

void TEditorBracketCollection::SetAllStyle(TFontStyles value) {
    BeginUpdate();
    for (auto& item : items_)
        item->ItemColor().SetStyle(value);
    EndUpdate();
}

} // namespace mojiro
