// The mouse cursors the editor's cursor numbers stand for.
#pragma once

#include "editor/EditorTypes.h"

#include <QCursor>

namespace mojiro {

// Unknown numbers give the arrow.
[[nodiscard]] QCursor CursorFor(TCursor cursor);

} // namespace mojiro
