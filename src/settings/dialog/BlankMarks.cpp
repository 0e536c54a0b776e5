#include "settings/dialog/BlankMarks.h"

#include "editor/EditorParser.h"
#include "editor/control/SystemColors.h"
#include "editor/control/TEditor.h"

#include <QPainter>
#include <string_view>

namespace mojiro {

namespace {
constexpr std::string_view kFullWidthSpace = "\x81\x40"; // 　
} // namespace

void DrawBlankMarks(const TEditor& editor, QPainter& painter, int y, int index, const QRect& rect,
                    bool selected, const BlankMarks& marks) {
    if (!marks.space && !marks.tab) {
        return;
    }
    const std::string row = editor.RowString(index);
    if (row.find('\t') == std::string::npos && row.find(kFullWidthSpace) == std::string::npos) {
        return;
    }
    const int w = editor.CharWidth();
    const int tabWidth = editor.Caret().TabSpaceCount();
    const int left = editor.Margin().Left() - editor.TopCol() * w;
    const QPalette& palette = editor.palette();
    const QColor selectedColor = TColorToQColor(editor.View().Colors().Select().Color(), palette);
    const int middle = y + (editor.RowHeight() - editor.Margin().Line()) / 2;

    painter.save();
    int extra = 0; // pixels the tabs so far have added
    TEditorParser parser(row, 0, nullptr);
    for (TokenKind token = parser.NextToken(); token != TokenKind::tkEnd;
         token = parser.NextToken()) {
        const auto position = static_cast<int>(parser.TokenOffset());
        const int x = left + w * position + extra;
        if (token == TokenKind::tkTab) {
            if (marks.tab && x >= rect.left() && x <= rect.right() + 1 - w) {
                // Larger fonts get a thicker, larger arrow head.
                const bool wide = w > 13;
                const int dx = wide ? 5 : 3;
                const int dy = wide ? 5 : 1;
                painter.setPen(
                    QPen(selected ? selectedColor : TColorToQColor(marks.tabColor, palette),
                         wide ? 2 : 1));
                const int x1 = x + 2;
                painter.drawLine(x1, middle - dy, x1 + dx, middle);
                painter.drawLine(x1, middle + dy, x1 + dx, middle);
            }
            extra += w * (tabWidth - ((extra / w + position) % tabWidth) - 1);
        } else if (token == TokenKind::tkDbcsSymbol && marks.space &&
                   parser.TokenText() == kFullWidthSpace) {
            if (x >= rect.left() && x <= rect.right() + 1 - 2 * w) {
                painter.setPen(
                    QPen(selected ? selectedColor : TColorToQColor(marks.spaceColor, palette), 1));
                painter.setBrush(Qt::NoBrush);
                // Right and bottom edges exclusive, as a filled box would be.
                painter.drawRect(x + 2, y + 2, 2 * w - 5, 2 * w - 5);
            }
        }
    }
    painter.restore();
}

} // namespace mojiro
