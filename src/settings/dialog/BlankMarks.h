// The marks drawn over tabs and full-width spaces, which the editor control
// leaves to its host: an arrow head in a tab's first cell, a box in a
// full-width space.
#pragma once

#include "editor/EditorTypes.h"

#include <QRect>
#include <string>

class QPainter;

namespace mojiro {

class TEditor;

struct BlankMarks {
    bool space = true;
    TColor spaceColor = clActiveCaption;
    bool tab = true;
    TColor tabColor = clActiveCaption;
};

// Draws the marks of row `index` of `editor`, whose top is at pixel y, inside
// rect; a part drawn selected takes the selection's text colour.
void DrawBlankMarks(const TEditor& editor, QPainter& painter, int y, int index, const QRect& rect,
                    bool selected, const BlankMarks& marks);

} // namespace mojiro
