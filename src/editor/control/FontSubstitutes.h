// The editor's font names come from Windows ("ＭＳ ゴシック", "FixedSys" ...).
// They stay as stored and are resolved to installed Japanese fonts through
// Qt's family substitution table.
#pragma once

#include <QFont>

namespace mojiro {

// Registers the substitutes once; later calls do nothing.
void InstallFontSubstitutes();

// The control's font after creation: "ＭＳ ゴシック" at 13 pixels.
[[nodiscard]] QFont DefaultEditorFont();

} // namespace mojiro
