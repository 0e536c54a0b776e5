// Edits in which the user types Japanese (brackets, markers) start with the
// input method in its Japanese mode.
#pragma once

class QWidget;

namespace mojiro {

// Each time the widget takes the focus the input method is asked to show
// itself, which is as near as Qt comes to opening it in hiragana, as the
// editor does for its own hiragana mode.
void StartInHiragana(QWidget* widget);

} // namespace mojiro
