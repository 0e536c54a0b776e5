// Colours and font styles of the token kinds the scanner tells apart, and of
// the selection.
#pragma once

#include "editor/EditorTypes.h"
#include "editor/NotifyPersistent.h"

namespace mojiro {

class TEditorColor : public TNotifyPersistent {
public:
    void Assign(const TEditorColor& source);

    [[nodiscard]] TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value);
    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor value);
    [[nodiscard]] TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);

private:
    TColor bkColor_ = clWindow;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
};

class TEditorColors : public TNotifyPersistent {
public:
    // Number of colours reachable through ColorAt.
    static constexpr int kCount = 10;

    TEditorColors();

    void Assign(const TEditorColors& source);

    [[nodiscard]] TEditorColor& Ank() { return ank_; }
    [[nodiscard]] const TEditorColor& Ank() const { return ank_; }
    void SetAnk(const TEditorColor& value) { ank_.Assign(value); }
    [[nodiscard]] TEditorColor& Comment() { return comment_; }
    [[nodiscard]] const TEditorColor& Comment() const { return comment_; }
    void SetComment(const TEditorColor& value) { comment_.Assign(value); }
    [[nodiscard]] TEditorColor& DBCS() { return dbcs_; }
    [[nodiscard]] const TEditorColor& DBCS() const { return dbcs_; }
    void SetDBCS(const TEditorColor& value) { dbcs_.Assign(value); }
    [[nodiscard]] TEditorColor& Int() { return int_; }
    [[nodiscard]] const TEditorColor& Int() const { return int_; }
    void SetInt(const TEditorColor& value) { int_.Assign(value); }
    [[nodiscard]] TEditorColor& Mail() { return mail_; }
    [[nodiscard]] const TEditorColor& Mail() const { return mail_; }
    void SetMail(const TEditorColor& value) { mail_.Assign(value); }
    [[nodiscard]] TEditorColor& Reserve() { return reserve_; }
    [[nodiscard]] const TEditorColor& Reserve() const { return reserve_; }
    void SetReserve(const TEditorColor& value) { reserve_.Assign(value); }
    [[nodiscard]] TEditorColor& Select() { return select_; }
    [[nodiscard]] const TEditorColor& Select() const { return select_; }
    void SetSelect(const TEditorColor& value) { select_.Assign(value); }
    [[nodiscard]] TEditorColor& Str() { return str_; }
    [[nodiscard]] const TEditorColor& Str() const { return str_; }
    void SetStr(const TEditorColor& value) { str_.Assign(value); }
    [[nodiscard]] TEditorColor& Symbol() { return symbol_; }
    [[nodiscard]] const TEditorColor& Symbol() const { return symbol_; }
    void SetSymbol(const TEditorColor& value) { symbol_.Assign(value); }
    [[nodiscard]] TEditorColor& Url() { return url_; }
    [[nodiscard]] const TEditorColor& Url() const { return url_; }
    void SetUrl(const TEditorColor& value) { url_.Assign(value); }

    // The ten colours in property order (Ank, Comment, DBCS, Int, Mail,
    // Reserve, Select, Str, Symbol, Url), for code that stores them in turn.
    // Throws ListIndexError outside 0..kCount - 1.
    [[nodiscard]] TEditorColor& ColorAt(int i);
    [[nodiscard]] const TEditorColor& ColorAt(int i) const;

    // Give every token colour (not the selection) one value, reported once.
    void SetAllBkColor(TColor value);
    void SetAllColor(TColor value);
    void SetAllStyle(TFontStyles value);

private:
    template <typename Setter> void SetAllTokenColors(Setter set);

    TEditorColor ank_;
    TEditorColor comment_;
    TEditorColor dbcs_;
    TEditorColor int_;
    TEditorColor mail_;
    TEditorColor reserve_;
    TEditorColor select_;
    TEditorColor str_;
    TEditorColor symbol_;
    TEditorColor url_;
};

} // namespace mojiro
