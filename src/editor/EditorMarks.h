// The marks the control draws over the text: end of file, line ends and the
// underline of the caret row.
#pragma once

#include "editor/EditorTypes.h"
#include "editor/NotifyPersistent.h"

namespace mojiro {

class TEditorMark : public TNotifyPersistent {
public:
    void Assign(const TEditorMark& source);

    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor value);
    [[nodiscard]] bool Visible() const { return visible_; }
    void SetVisible(bool value);

private:
    TColor color_ = clGray;
    bool visible_ = false;
};

class TEditorMarks : public TNotifyPersistent {
public:
    TEditorMarks();

    void Assign(const TEditorMarks& source);

    [[nodiscard]] TEditorMark& EofMark() { return eofMark_; }
    [[nodiscard]] const TEditorMark& EofMark() const { return eofMark_; }
    void SetEofMark(const TEditorMark& value) { eofMark_.Assign(value); }
    [[nodiscard]] TEditorMark& RetMark() { return retMark_; }
    [[nodiscard]] const TEditorMark& RetMark() const { return retMark_; }
    void SetRetMark(const TEditorMark& value) { retMark_.Assign(value); }
    [[nodiscard]] TEditorMark& Underline() { return underline_; }
    [[nodiscard]] const TEditorMark& Underline() const { return underline_; }
    void SetUnderline(const TEditorMark& value) { underline_.Assign(value); }

private:
    TEditorMark eofMark_;
    TEditorMark retMark_;
    TEditorMark underline_;
};

} // namespace mojiro
