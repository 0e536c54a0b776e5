#include "app/LineAlignment.h"

#include "editor/CustomEditor.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40"; // 　
constexpr std::string_view kCrLf = "\r\n";

// One line of the aligned range: where it began, and what its head lost and gained.
struct AlignedLine {
    int firstRow = 0;
    std::ptrdiff_t oldStart = 0; // character index of the line before the edit
    std::ptrdiff_t oldLength = 0;
    std::string text;
    std::ptrdiff_t stripped = 0; // bytes removed from the head
    std::ptrdiff_t added = 0;    // bytes of full-width spaces put in front
    bool lineEnd = false;        // a line break follows the line
    [[nodiscard]] bool Changed() const { return stripped != 0 || added != 0; }
};

// Length of the indentation: bytes of code 32 or below (spaces, tabs, control
// characters) and full-width spaces, in any mixture.
std::size_t IndentLength(std::string_view line) {
    std::size_t head = 0;
    for (;;) {
        while (head < line.size() && static_cast<unsigned char>(line[head]) <= 0x20)
            ++head;
        if (line.substr(head).starts_with(kFullWidthSpace))
            head += kFullWidthSpace.size();
        else
            return head;
    }
}

void Align(AlignedLine& line, std::size_t width, int divisor) {
    if (line.text.empty() || line.text.size() > width)
        return;
    if (divisor > 3)
        line.stripped = static_cast<std::ptrdiff_t>(IndentLength(line.text));
    const std::size_t rest = line.text.size() - static_cast<std::size_t>(line.stripped);
    const std::size_t spaces =
        divisor < 5 && rest < width ? (width - rest) / static_cast<std::size_t>(divisor) : 0;
    line.added = static_cast<std::ptrdiff_t>(spaces * kFullWidthSpace.size());
    if (!line.Changed())
        return;
    std::string text;
    text.reserve(static_cast<std::size_t>(line.added) + rest);
    for (std::size_t i = 0; i < spaces; ++i)
        text += kFullWidthSpace;
    text.append(line.text, static_cast<std::size_t>(line.stripped));
    line.text = std::move(text);
}

// Where a character index of the old text lies in the new one: inside a
// changed line it keeps its place in the text after the indentation.
std::ptrdiff_t MapIndex(std::ptrdiff_t index, const std::vector<AlignedLine>& lines) {
    std::ptrdiff_t shift = 0;
    for (const AlignedLine& line : lines) {
        if (index < line.oldStart)
            break;
        const std::ptrdiff_t next = line.oldStart + line.oldLength + (line.lineEnd ? 2 : 0);
        if (index < next || !line.lineEnd) {
            // The start of a line stays its start, so that whole lines stay
            // selected; elsewhere the place follows its character.
            const std::ptrdiff_t inLine = std::min(index - line.oldStart, line.oldLength);
            if (inLine <= 0)
                return line.oldStart + shift;
            return line.oldStart + shift + std::max<std::ptrdiff_t>(0, inLine - line.stripped) +
                   line.added;
        }
        shift += line.added - line.stripped;
    }
    return index + shift;
}

// Restores the pane's caret updates however the edit ends.
class CaretUpdate {
public:
    explicit CaretUpdate(TCustomEditor& pane) : pane_(pane) { pane_.CaretBeginUpdate(); }
    ~CaretUpdate() { pane_.CaretEndUpdate(); }
    CaretUpdate(const CaretUpdate&) = delete;
    CaretUpdate& operator=(const CaretUpdate&) = delete;

private:
    TCustomEditor& pane_;
};

} // namespace

void AlignLines(TCustomEditor& pane, int wrapByte, int divisor) {
    if (pane.ReadOnly() || divisor <= 0 || wrapByte <= 0 || pane.RowCount() == 0)
        return;
    TEditorScreenStrings& rows = pane.ListInfo();
    const bool stream = pane.SelectionMode() == TEditorSelectionMode::smStream;
    const std::ptrdiff_t selStart = pane.SelStart();
    const std::ptrdiff_t selEnd = selStart + (pane.Selected() && stream ? pane.SelLength() : 0);

    int firstRow = pane.Row();
    int lastRow = firstRow;
    if (pane.Selected() && stream) {
        // A selection that ends at the start of a line (whole lines picked in
        // the margin) does not take that line in.
        firstRow = rows.RowFromCharIndex(selStart);
        lastRow = rows.RowFromCharIndex(std::max(selStart, selEnd - 1));
    } else if (pane.Selected()) {
        firstRow = pane.SelectionDisplay().startRow;
        lastRow = pane.SelectionDisplay().endRow;
    }
    const int firstLine = pane.RowToLine(firstRow);
    // The empty row after a final line break is no line.
    const int lastLine = std::min(pane.RowToLine(lastRow), rows.LineCount() - 1);

    std::vector<AlignedLine> lines;
    lines.reserve(static_cast<std::size_t>(std::max(0, lastLine - firstLine + 1)));
    for (int line = firstLine; line <= lastLine; ++line) {
        const int row = rows.LineToRow(line);
        const int last = rows.LineLastRow(row);
        AlignedLine aligned;
        aligned.firstRow = row;
        aligned.oldStart = rows.RowCharIndex(row);
        aligned.lineEnd = rows.GetRowEndKind(last) == RowEndKind::LineEnd;
        aligned.oldLength =
            rows.RowCharIndex(last + 1) - aligned.oldStart - (aligned.lineEnd ? 2 : 0);
        // A line that does not fit stays unread: it may be as long as the document.
        if (aligned.oldLength <= wrapByte) {
            aligned.text = pane.Lines().Get(line);
            Align(aligned, static_cast<std::size_t>(wrapByte), divisor);
        }
        lines.push_back(std::move(aligned));
    }

    const auto changed = [](const AlignedLine& l) { return l.Changed(); };
    const auto firstChanged = std::find_if(lines.begin(), lines.end(), changed);
    if (firstChanged == lines.end())
        return; // nothing to align: no edit and no undo step
    const auto lastChanged = std::find_if(lines.rbegin(), lines.rend(), changed).base();

    // The changed range goes in as one text; unchanged lines inside it go in
    // as they are.
    std::string text;
    for (auto line = firstChanged; line != lastChanged; ++line) {
        if (line->oldLength > wrapByte)
            text += pane.Lines().Get(firstLine + static_cast<int>(line - lines.begin()));
        else
            text += line->text;
        if (line->lineEnd)
            text += kCrLf;
    }
    const int startRow = firstChanged->firstRow;
    const int endRow = rows.LineLastRow((lastChanged - 1)->firstRow);

    pane.CleanSelection();
    {
        CaretUpdate update(pane);
        rows.ReplaceRows(startRow, endRow - startRow + 1, text);
        pane.SetSelStart(MapIndex(selStart, lines));
    }
    if (selEnd > selStart)
        pane.SetSelLength(MapIndex(selEnd, lines) - MapIndex(selStart, lines));
}

} // namespace mojiro
