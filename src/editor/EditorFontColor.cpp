// The editor's font and background colour as the property set carries them.
#include "editor/CustomEditor.h"

namespace mojiro {

const TEditorFont& TCustomEditor::Font() const {
    return font_;
}

void TCustomEditor::SetFont(const TEditorFont& font) {
    if (font == font_)
        return;
    font_ = font;
    FontOrColorChanged();
}

TColor TCustomEditor::Color() const {
    return color_;
}

void TCustomEditor::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    FontOrColorChanged();
}

} // namespace mojiro
