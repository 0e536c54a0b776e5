// TEditorProp: one complete set of the editor's appearance and behaviour
// properties. It carries them from one editor to another (the options
// dialog's sample editor and back, the second pane of a split window) and
// across runs, as one binary value of the settings store.
#pragma once

#include "editor/CustomEditor.h"
#include "editor/EditorCaret.h"
#include "editor/EditorFont.h"
#include "editor/EditorMargin.h"
#include "editor/EditorMarks.h"
#include "editor/EditorViewInfo.h"
#include "editor/ReserveWordList.h"
#include "editor/WrapOption.h"

#include <functional>
#include <string>
#include <string_view>

namespace mojiro {

class SettingsStore;

class TEditorProp {
public:
    using ChangeEvent = std::function<void(TEditorProp* sender)>;

    // The component name goes into the stream; the main window's set is
    // "EditorProp1".
    explicit TEditorProp(std::string name = "EditorProp1");
    // The option objects are wired to their owner by address.
    TEditorProp(const TEditorProp&) = delete;
    TEditorProp& operator=(const TEditorProp&) = delete;

    [[nodiscard]] const std::string& Name() const { return name_; }

    // Copy all ten properties, in the order they are declared below.
    void Assign(const TEditorProp& source);
    void AssignFrom(const TCustomEditor& editor);
    void AssignTo(TCustomEditor& editor) const;
    void AssignTo(TEditorProp& destination) const { destination.Assign(*this); }

    // The values the main window's set is designed with: what a new user
    // sees before anything is stored.
    void SetDesignValues();

    // The set as a property stream, and back. Loading overwrites the
    // properties the stream holds and keeps the others. A stream that cannot
    // be read whole, or names a property or value the set does not have,
    // changes nothing and gives false.
    [[nodiscard]] std::string SaveToStream() const;
    bool LoadFromStream(std::string_view bytes);

    // ---- the ten properties ----
    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor value);
    [[nodiscard]] TEditorCaret& Caret() { return caret_; }
    [[nodiscard]] const TEditorCaret& Caret() const { return caret_; }
    void SetCaret(const TEditorCaret& value) { caret_.Assign(value); }
    [[nodiscard]] TEditorFont& Font() { return font_; }
    [[nodiscard]] const TEditorFont& Font() const { return font_; }
    void SetFont(const TEditorFont& value) { font_ = value; }
    [[nodiscard]] TEditorMargin& Margin() { return margin_; }
    [[nodiscard]] const TEditorMargin& Margin() const { return margin_; }
    void SetMargin(const TEditorMargin& value);
    [[nodiscard]] TEditorMarks& Marks() { return marks_; }
    [[nodiscard]] const TEditorMarks& Marks() const { return marks_; }
    void SetMarks(const TEditorMarks& value) { marks_.Assign(value); }
    [[nodiscard]] ReserveWordList& ReserveWords() { return reserveWords_; }
    [[nodiscard]] const ReserveWordList& ReserveWords() const { return reserveWords_; }
    void SetReserveWords(const ReserveWordList& value) { reserveWords_ = value; }
    [[nodiscard]] TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    [[nodiscard]] TEditorViewInfo& View() { return view_; }
    [[nodiscard]] const TEditorViewInfo& View() const { return view_; }
    void SetView(const TEditorViewInfo& value) { view_.Assign(value); }
    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    [[nodiscard]] TEditorWrapOption& WrapOption() { return wrapOption_; }
    [[nodiscard]] const TEditorWrapOption& WrapOption() const { return wrapOption_; }
    void SetWrapOption(const TEditorWrapOption& value) { wrapOption_.Assign(value); }

    // Raised when Color, ScrollBars or WordWrap takes a different value.
    ChangeEvent OnColorChange;
    ChangeEvent OnScrollBarsChange;
    ChangeEvent OnWordWrapChange;

private:
    std::string name_;
    TColor color_ = clWindow;
    TEditorCaret caret_;
    TEditorFont font_;
    TEditorMargin margin_;
    TEditorMarks marks_;
    ReserveWordList reserveWords_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    TEditorViewInfo view_;
    bool wordWrap_ = false;
    TEditorWrapOption wrapOption_;
};

// The set as the binary value EditorProp of section EditorProp. Both open the
// store for the call when the caller has not.
void SaveEditorProp(SettingsStore& store, const TEditorProp& prop);
// False, with nothing changed, when no value is stored, it is empty or it
// cannot be read; the set then keeps the values it has.
bool LoadEditorProp(SettingsStore& store, TEditorProp& prop);

} // namespace mojiro
