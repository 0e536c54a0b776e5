// The enclosing pairs the scanner colours (quotations, brackets and the like).
#pragma once

#include "editor/EditorColors.h"
#include "editor/NotifyPersistent.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace mojiro {

// One pair. Its texts and colour are stored without a report; changes of the
// pairs reach the owner through the collection's own updates.
class TEditorBracketItem {
public:
    TEditorBracketItem() = default;
    TEditorBracketItem(const TEditorBracketItem&) = delete;
    TEditorBracketItem& operator=(const TEditorBracketItem&) = delete;

    void Assign(const TEditorBracketItem& source);

    [[nodiscard]] TEditorColor& ItemColor() { return itemColor_; }
    [[nodiscard]] const TEditorColor& ItemColor() const { return itemColor_; }
    void SetItemColor(const TEditorColor& value) { itemColor_.Assign(value); }
    [[nodiscard]] const std::string& LeftBracket() const { return leftBracket_; }
    void SetLeftBracket(std::string value) { leftBracket_ = std::move(value); }
    [[nodiscard]] const std::string& RightBracket() const { return rightBracket_; }
    void SetRightBracket(std::string value) { rightBracket_ = std::move(value); }

private:
    TEditorColor itemColor_;
    std::string leftBracket_;
    std::string rightBracket_;
};

// At most kMaxBrackets pairs: a row's scanner state has room for no more.
// Adding, deleting and clearing report a change unless an update is open.
class TEditorBracketCollection : public TNotifyPersistent {
public:
    // Copies the pairs of source, reported once. Assigning a collection to
    // itself leaves it as it is.
    void Assign(const TEditorBracketCollection& source);

    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    // Throws ListIndexError outside 0..Count() - 1.
    [[nodiscard]] TEditorBracketItem& Items(int i);
    [[nodiscard]] const TEditorBracketItem& Items(int i) const;

    // Appends an empty pair; throws EditorError when kMaxBrackets are held
    // already, leaving the collection unchanged.
    TEditorBracketItem& Add();
    void Clear();
    // Throws ListIndexError outside 0..Count() - 1.
    void Delete(int i);

    // Give every pair's colour one value, reported once.
    void SetAllBkColor(TColor value);
    void SetAllColor(TColor value);
    void SetAllStyle(TFontStyles value);

private:
    void CheckIndex(int i) const;

    std::vector<std::unique_ptr<TEditorBracketItem>> items_;
};

} // namespace mojiro
