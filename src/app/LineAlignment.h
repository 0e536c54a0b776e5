// Right, centre and left alignment of lines inside the line length, with
// full-width spaces in front of the text.
#pragma once

namespace mojiro {

class TCustomEditor;

// The divisor of the free room: right alignment indents by all of it, centre
// alignment by half of it, left alignment by none (in full-width spaces of
// two bytes each).
inline constexpr int kAlignRight = 2;
inline constexpr int kAlignCentre = 4;
inline constexpr int kAlignLeft = 6;

// Aligns the lines of the pane's selection, or the caret's line, to a line
// length of wrapByte bytes. Lines longer than that and empty lines stay as
// they are, and so does a line where the selection merely ends at its start
// (whole lines picked). The changed lines are replaced in one edit, so that
// one undo takes the whole alignment back; the selection (or the caret) stays
// on the same text. A read-only pane is left alone.
void AlignLines(TCustomEditor& pane, int wrapByte, int divisor);

} // namespace mojiro
