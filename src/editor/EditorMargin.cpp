#include "editor/EditorMargin.h"

#include <algorithm>

namespace mojiro {

void TEditorMargin::Assign(const TEditorMargin& source) {
    character_ = source.character_;
    left_ = source.left_;
    line_ = source.line_;
    top_ = source.top_;
    underlineExtra_ = source.underlineExtra_;
    Changed();
}

void TEditorMargin::Store(int& field, int value) {
    if (field == value)
        return;
    field = value;
    Changed();
}

void TEditorMargin::SetCharacter(int value) {
    Store(character_, std::clamp(value, 0, 100));
}
void TEditorMargin::SetLeft(int value) {
    Store(left_, value);
}
void TEditorMargin::SetLine(int value) {
    Store(line_, value);
}
void TEditorMargin::SetTop(int value) {
    Store(top_, value);
}
void TEditorMargin::SetUnderlineExtra(int value) {
    Store(underlineExtra_, std::clamp(value, 0, 1));
}

} // namespace mojiro
