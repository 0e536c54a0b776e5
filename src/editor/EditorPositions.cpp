// Conversions between the ways a place in the text is named: pixel, row and
// display column, row and byte offset, logical line and offset, and
// character index (bytes with CR LF counted after every line-end row).
#include "editor/CustomEditor.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace mojiro {

namespace {

char ClassAt(const std::string& classes, int col) {
    return col >= 0 && col < static_cast<int>(classes.size()) ? classes[col] : '\0';
}

// Moves a column off the second half of a double-byte character and off a
// tab's fill, onto the start of the character or tab under it.
int SnapToCharacterStart(const std::string& classes, int col) {
    if (ClassAt(classes, col) == kClassTrail)
        --col;
    while (ClassAt(classes, col) == kClassTabFill)
        --col;
    return col;
}

} // namespace

int TCustomEditor::ColToOffset(int row, int col) const {
    if (col <= 0)
        return col;
    const std::string classes = ColumnClassesOf(StoredRowBytes(row));
    const auto end = classes.begin() + std::min<std::size_t>(classes.size(), col + 1);
    return col - static_cast<int>(std::count(classes.begin(), end, kClassTabFill));
}

// The length ExpandTabs gives the row's first `offset` bytes, counted without
// building it: a lead byte cut off by the end stays one byte there.
int TCustomEditor::OffsetToCol(int row, int offset) const {
    const std::string_view bytes = StoredRowBytes(row);
    const std::size_t n = std::min(bytes.size(), static_cast<std::size_t>(std::max(offset, 0)));
    const TabRule rule = Tabs();
    long long column = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (IsLeadByte(bytes[i])) {
            column += i + 1 < n ? 2 : 1;
            ++i;
        } else if (bytes[i] == '\t') {
            column += rule.FillWidth(column);
        } else {
            ++column;
        }
    }
    return static_cast<int>(column);
}

RowCol TCustomEditor::PosToRowCol(int x, int y, bool round) const {
    const int cellWidth = std::max(charWidth_, 1);
    const int xx = round ? x + charWidth_ / 2 - 1 : x;
    RowCol place;
    // Integer division truncates toward zero, so a point just above or left
    // of the text area still names the first row or column shown.
    place.col = std::max(0, (xx - margin_.Left()) / cellWidth + topCol_);
    place.row = (y - margin_.Top()) / std::max(rowHeight_, 1) + topRow_;
    return place;
}

TCustomEditor::Point TCustomEditor::CaretPixelPos() const {
    Point p;
    p.x = margin_.Left() + (col_ - topCol_) * charWidth_;
    p.y = margin_.Top() + (row_ - topRow_) * rowHeight_;
    // The underline-style caret sits at the bottom of its cell.
    if (caret_.Style() == TEditorCaretStyle::csBrief && !overwrite_)
        p.y += fontHeight_ - 2;
    return p;
}

RowOffset TCustomEditor::PosToRowOffset(int x, int y) const {
    if (RowCount() == 0 || charWidth_ == 0 || x < margin_.Left() || y < margin_.Top())
        return {};
    const RowCol place = PosToRowCol(x, y, true);
    if (place.row < 0 || place.row > RowCount())
        return {};
    const std::string_view text = StoredRowBytes(place.row);
    const std::string classes = ColumnClassesOf(text);
    if (place.col >= static_cast<int>(classes.size()))
        return {};
    const int col = SnapToCharacterStart(classes, place.col);
    return {place.row, std::min(static_cast<int>(text.size()), ColToOffset(place.row, col))};
}

std::ptrdiff_t TCustomEditor::CharIndexFromPos(int x, int y) const {
    const RowOffset place = PosToRowOffset(x, y);
    if (place.row < 0)
        return -1;
    return rows_->RowCharIndex(place.row) + place.offset;
}

std::ptrdiff_t TCustomEditor::LineOffsetFromRowCol(int row, int col) const {
    if (row < 0 || row > RowCount() || col < 0)
        return -1;
    const std::string_view text = StoredRowBytes(row);
    const int snapped = SnapToCharacterStart(ColumnClassesOf(text), col);
    const int offset = std::min(static_cast<int>(text.size()), ColToOffset(row, snapped));
    // The rows of the same logical line before this one.
    return rows_->ByteStart(row) - rows_->ByteStart(rows_->LineFirstRow(row)) + offset;
}

int TCustomEditor::RowToLine(int row) const {
    if (!WordWrap())
        return row;
    return rows_->RowToLine(std::clamp(row, 0, RowCount()));
}

std::ptrdiff_t TCustomEditor::RowColToCharIndex(int firstRow, int row, int col) const {
    // Rows outside the list are empty and add nothing.
    const int from = std::clamp(firstRow, 0, RowCount());
    const int to = std::clamp(row, 0, RowCount());
    const std::ptrdiff_t before =
        to > from ? rows_->RowCharIndex(to) - rows_->RowCharIndex(from) : 0;
    // Not clipped to the row: a free caret beyond the text counts the spaces
    // an insertion there would pad with.
    return before + ColToOffset(row, col);
}

} // namespace mojiro
