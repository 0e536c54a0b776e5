// The edit-control messages: how other windows read and change the text of
// the view. Lines in these messages are folded rows, and character indexes
// count CR LF after each line-end row, as SelStart does.
#include "editor/CustomEditor.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace mojiro {

namespace {

// A message argument read as a signed number. A 32-bit -1 may arrive without
// its sign widened, as it does from callers that pass a DWORD.
std::intptr_t Signed(std::uintptr_t value) {
    if (value == 0xFFFFFFFFu)
        return -1;
    return static_cast<std::intptr_t>(value);
}

std::int16_t LowWord(std::intptr_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

std::int16_t HighWord(std::intptr_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> 16) & 0xFFFF));
}

// The caret's largest row: the virtual row after a final line break, else
// the last row.
int MaxCaretRowOf(const TEditorScreenStrings& rows) {
    const int count = rows.Count();
    if (count > 0 && rows.GetRowEndKind(count - 1) != RowEndKind::LineEnd)
        return count - 1;
    return count;
}

// The row where a caret placed at a character index from row 0 lands: the
// row whose bytes or line break hold it; past the end of the text the
// virtual row (or the open last row).
int RowOfCharIndex(const TEditorScreenStrings& rows, std::ptrdiff_t index) {
    if (rows.Count() == 0 || index <= 0)
        return 0;
    if (index >= rows.TextLength())
        return MaxCaretRowOf(rows);
    return rows.RowFromCharIndex(index);
}

} // namespace

std::int64_t TCustomEditor::Perform(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    using namespace messages;
    switch (message) {
    case EM_GETSEL: {
        const std::ptrdiff_t start = SelStart();
        const std::ptrdiff_t end = start + SelLength();
        if (wParam != 0) {
            const auto value = static_cast<std::uint32_t>(start);
            std::memcpy(reinterpret_cast<void*>(wParam), &value, sizeof value);
        }
        if (lParam != 0) {
            const auto value = static_cast<std::uint32_t>(end);
            std::memcpy(reinterpret_cast<void*>(lParam), &value, sizeof value);
        }
        return MakeLong(start, end);
    }
    case EM_SETSEL: {
        const std::intptr_t start = Signed(wParam);
        const std::intptr_t end = Signed(static_cast<std::uintptr_t>(lParam));
        if (start == 0 && end == -1) {
            SelectAll();
        } else if (start == -1) {
            CleanSelection();
        } else {
            SetSelStart(std::min(start, end));
            SetSelLength(std::max(start, end) - std::min(start, end));
        }
        return 0;
    }
    case EM_SCROLLCARET:
        if (row_ < topRow_ || row_ > topRow_ + pageRows_ - 1)
            SetTopRow(row_ - pageRows_ / 3);
        if (col_ < topCol_ || col_ > topCol_ + pageCols_ - 1)
            SetTopCol(col_ - pageCols_ / 3);
        return 1;
    case EM_GETMODIFY:
        return modified_ ? 1 : 0;
    case EM_SETMODIFY:
        if (!readOnly_)
            modified_ = wParam != 0;
        return 0;
    case EM_GETLINECOUNT:
        return RowCount();
    case EM_LINEINDEX: {
        const std::intptr_t requested = Signed(wParam);
        if (requested == -1)
            return rows_->RowCharIndex(std::min(row_, RowCount()));
        if (requested < 0 || requested >= RowCount())
            return -1;
        return rows_->RowCharIndex(static_cast<int>(requested));
    }
    case EM_LINEFROMCHAR: {
        const std::intptr_t index = Signed(wParam);
        if (index == -1)
            return Selected() ? byteSel_.startRow : row_;
        return RowOfCharIndex(*rows_, index);
    }
    case EM_LINELENGTH: {
        const std::intptr_t index = Signed(wParam);
        if (index == -1) {
            if (Selected())
                return static_cast<std::int64_t>(RowString(byteSel_.endRow).size()) +
                       byteSel_.startOffset - byteSel_.endOffset - 1;
            return static_cast<std::int64_t>(RowString(row_).size());
        }
        if (index > TextLength())
            return 0;
        return static_cast<std::int64_t>(RowString(RowOfCharIndex(*rows_, index)).size());
    }
    case EM_GETLINE: {
        const std::intptr_t row = Signed(wParam);
        if (lParam == 0 || row < 0 || row >= RowCount())
            return 0;
        // The buffer's first 16-bit word tells its size.
        std::uint16_t size = 0;
        std::memcpy(&size, reinterpret_cast<const void*>(lParam), sizeof size);
        const std::string text = RowString(static_cast<int>(row));
        const std::size_t n = std::min<std::size_t>(size, text.size());
        std::memcpy(reinterpret_cast<void*>(lParam), text.data(), n);
        return static_cast<std::int64_t>(n);
    }
    case EM_REPLACESEL:
        if (lParam != 0)
            SetSelTextBuf(reinterpret_cast<const char*>(lParam));
        return 0;
    case EM_CANUNDO:
        return !readOnly_ && CanUndo() ? 1 : 0;
    case EM_UNDO:
        if (readOnly_ || !CanUndo())
            return 0;
        Undo();
        return 1;
    case EM_EMPTYUNDOBUFFER:
        if (!readOnly_)
            rows_->UndoObj().ClearUndo();
        return 0;
    case EM_GETFIRSTVISIBLELINE:
        return topRow_;
    case EM_SETREADONLY:
        SetReadOnly(wParam != 0);
        return 1;
    case EM_POSFROMCHAR: {
        const std::ptrdiff_t index = std::max<std::ptrdiff_t>(Signed(wParam), 0);
        const int row = RowOfCharIndex(*rows_, index);
        int col = 0;
        if (row < RowCount()) {
            const std::string text = RowString(row);
            const std::ptrdiff_t offset = std::min<std::ptrdiff_t>(
                index - rows_->RowCharIndex(row), static_cast<std::ptrdiff_t>(text.size()));
            col = std::min(OffsetToCol(row, static_cast<int>(offset)), ExpandedRowLength(row));
            // An index on a trail byte names the character that byte belongs to.
            const std::string classes = ColumnClassesOf(text);
            if (col > 0 && col < static_cast<int>(classes.size()) &&
                classes[static_cast<std::size_t>(col)] == kClassTrail)
                --col;
        }
        const int x = margin_.Left() + (col - topCol_) * charWidth_;
        const int y = margin_.Top() + (row - topRow_) * rowHeight_;
        return MakeLong(x, y);
    }
    case EM_CHARFROMPOS: {
        // The control's outer size stands for the client rectangle; the
        // border is a few pixels and lies outside the text anyway.
        const int x = LowWord(lParam);
        const int y = HighWord(lParam);
        if (x < 0 || y < 0 || x >= host_.ControlWidth() || y >= host_.ControlHeight())
            return -1;
        const RowCol place = PosToRowCol(x, y, true);
        const int row = std::clamp(place.row, 0, MaxCaretRowOf(*rows_));
        const std::string text = RowString(row);
        const std::string classes = ColumnClassesOf(text);
        int col = place.col;
        if (col > 0 && col < static_cast<int>(classes.size()) &&
            classes[static_cast<std::size_t>(col)] == kClassTrail)
            --col;
        const std::ptrdiff_t offset = std::min<std::ptrdiff_t>(
            ColToOffset(row, col), static_cast<std::ptrdiff_t>(text.size()));
        return MakeLong(rows_->RowCharIndex(std::min(row, RowCount())) + offset, row);
    }
    case WM_SETTEXT:
        if (readOnly_)
            return 0;
        Lines().SetText(lParam != 0 ? std::string_view(reinterpret_cast<const char*>(lParam))
                                    : std::string_view());
        return 1;
    case WM_GETTEXT: {
        if (wParam == 0 || lParam == 0)
            return 0;
        char* buffer = reinterpret_cast<char*>(lParam);
        const std::size_t room = wParam - 1;
        std::size_t copied = 0;
        rows_->WriteText([&](std::string_view piece) {
            const std::size_t n = std::min(piece.size(), room - copied);
            std::memcpy(buffer + copied, piece.data(), n);
            copied += n;
        });
        buffer[copied] = '\0';
        return static_cast<std::int64_t>(copied);
    }
    case WM_GETTEXTLENGTH:
        return TextLength();
    case WM_CUT:
        if (readOnly_ || !Selected())
            host_.SetClipboardText(std::string(), false);
        else
            CutToClipboard();
        return 0;
    case WM_COPY:
        if (Selected())
            CopyToClipboard();
        else
            host_.SetClipboardText(std::string(), false);
        return 0;
    case WM_PASTE:
        if (!readOnly_)
            PasteFromClipboard();
        return 0;
    case WM_CLEAR:
        if (!readOnly_)
            DeleteSelection();
        return 0;
    default:
        return 0;
    }
}

} // namespace mojiro
