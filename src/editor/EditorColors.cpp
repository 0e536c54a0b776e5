#include "editor/EditorColors.h"

#include <initializer_list>
#include <utility>

namespace mojiro {

void TEditorColor::Assign(const TEditorColor& source) {
    bkColor_ = source.bkColor_;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

void TEditorColor::SetBkColor(TColor value) {
    if (bkColor_ == value)
        return;
    bkColor_ = value;
    Changed();
}

void TEditorColor::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TEditorColor::SetStyle(TFontStyles value) {
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

TEditorColors::TEditorColors() {
    select_.SetBkColor(clNavy);
    select_.SetColor(clWhite);
    for (int i = 0; i < kCount; ++i)
        ColorAt(i).SetOnChange([this](TNotifyPersistent* sender) { ChildChanged(sender); });
}

void TEditorColors::Assign(const TEditorColors& source) {
    BeginUpdate();
    for (int i = 0; i < kCount; ++i)
        ColorAt(i).Assign(source.ColorAt(i));
    EndUpdate();
}

TEditorColor& TEditorColors::ColorAt(int i) {
    return const_cast<TEditorColor&>(std::as_const(*this).ColorAt(i));
}

const TEditorColor& TEditorColors::ColorAt(int i) const {
    switch (i) {
    case 0:
        return ank_;
    case 1:
        return comment_;
    case 2:
        return dbcs_;
    case 3:
        return int_;
    case 4:
        return mail_;
    case 5:
        return reserve_;
    case 6:
        return select_;
    case 7:
        return str_;
    case 8:
        return symbol_;
    case 9:
        return url_;
    default:
        throw ListIndexError(i);
    }
}

template <typename Setter> void TEditorColors::SetAllTokenColors(Setter set) {
    BeginUpdate();
    for (TEditorColor* c :
         {&ank_, &comment_, &dbcs_, &int_, &mail_, &reserve_, &str_, &symbol_, &url_})
        set(*c);
    EndUpdate();
}

void TEditorColors::SetAllBkColor(TColor value) {
    SetAllTokenColors([value](TEditorColor& c) { c.SetBkColor(value); });
}

void TEditorColors::SetAllColor(TColor value) {
    SetAllTokenColors([value](TEditorColor& c) { c.SetColor(value); });
}

void TEditorColors::SetAllStyle(TFontStyles value) {
    SetAllTokenColors([value](TEditorColor& c) { c.SetStyle(value); });
}

} // namespace mojiro
