// The painter of TEditor, and TEditor's own painting members: the marks it
// may draw differently in a descendant, the underline it shows under the
// caret row, and the repaints that follow scrolling and selecting.
#include "editor/control/EditorPainter.h"

#include "editor/EditorScreen.h"
#include "editor/TokenColor.h"
#include "editor/control/SystemColors.h"
#include "editor/control/TEditor.h"
#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRegion>
#include <algorithm>

namespace mojiro {

namespace {

// Glyph table entries that are no glyph index.
constexpr std::uint32_t kUnknown = 0xFFFFFFFF; // not looked up yet
constexpr std::uint32_t kMissing = 0xFFFFFFFE; // the font has no glyph for it
constexpr std::uint32_t kBlank = 0xFFFFFFFD;   // a control character: nothing to draw

constexpr int kCodeCount = 0x10000;

// The end-of-file mark, and the cells its box takes.
constexpr std::string_view kEofMark = "[EOF]";
constexpr int kEofCells = 6;

bool IsTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// One character of CP932 text as the drawing sees it: a character to look up,
// or bytes that make no character (each drawn as a placeholder in its cell).
struct DrawnChar {
    int length = 1;
    bool valid = true;
    unsigned code = 0;
};

// Splits as the codec does, so that every byte keeps its own cell: a lead
// byte with a byte that cannot trail it is one bad byte, and the next byte
// is read on its own.
DrawnChar DecodeAt(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(b)) {
        if (i + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
            const auto t = static_cast<unsigned char>(text[i + 1]);
            return {2, IsValidCp932Char(b, t), b * 256u + t};
        }
        return {1, false, b};
    }
    if (b == 0x80 || b == 0xA0 || b >= 0xFD)
        return {1, false, b};
    return {1, true, b};
}

int FloorDiv(long long a, int b) {
    const long long q = a / b;
    return static_cast<int>((a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q);
}

int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
}

} // namespace

TEditorPainter::TEditorPainter(TEditor& editor) : editor_(editor) {}

TEditorPainter::~TEditorPainter() = default;

// ---- the paint cycle ---------------------------------------------------------

void TEditorPainter::Paint(QPainter& painter, const QRegion& region) {
    FollowFont();
    const QColor background = ToQColor(editor_.Color());
    // The margins and the space between rows show the background; the rows
    // are drawn over it.
    for (const QRect& rect : region)
        painter.fillRect(rect, background);
    for (const QRect& rect : region)
        PaintRect(painter, rect);
}

void TEditorPainter::PaintRect(QPainter& painter, const QRect& clip) {
    TEditor& e = editor_;
    const int cw = e.CharWidth();
    const int rh = e.RowHeight();
    const int ml = e.Margin().Left();
    const int mt = e.Margin().Top();
    if (cw <= 0 || rh <= 0)
        return;
    // Whole cells and whole rows: a row is always drawn from a cell boundary.
    const int left = std::max(ml, ml + cw * ((clip.left() - ml) / cw));
    const int right = clip.right() + 1;
    int top = std::max(mt, clip.top());
    top = mt + (top - mt) / rh * rh;
    const int clipBottom = clip.bottom() + 1;
    if (right <= left || clipBottom <= top)
        return; // only margin
    const int bottom = mt + (clipBottom - mt + rh - 1) / rh * rh;

    // The underline is decided before the rows are drawn: drawing them does
    // not change whether it shows.
    const bool underline = e.Marks().Underline().Visible() && e.UnderlineHideCount() == 0 &&
                           !e.Selected() && e.UnderlineY(e.Row()) != -1;
    const int firstRow = (top - mt) / rh + e.TopRow();
    const int rows = (bottom - top) / rh;
    const int x = ClampToInt(ml - static_cast<long long>(e.TopCol()) * cw);
    // A highlight also covers the underline's pixel row, so that nothing
    // unhighlighted shows between two selected rows.
    const bool selection = e.Selected();
    const int extra = selection && e.Margin().UnderlineExtra() > 0 ? 1 : 0;
    QRect rowRect(left, top, right - left, e.FontHeightMetric() + extra);
    const int rowCount = e.RowCount();
    for (int i = 0; i < rows; ++i, rowRect.translate(0, rh)) {
        const int row = firstRow + i;
        ++paintedRows_;
        if (row < rowCount) {
            const std::string text = e.ExpandedRowString(row);
            if (selection)
                DrawRowWithSelection(painter, rowRect, x, rowRect.top(), text, row);
            else
                DrawRow(painter, rowRect, x, rowRect.top(), text, row);
            continue;
        }
        painter.fillRect(rowRect, ToQColor(e.Color()));
        // A text ending with a line break has its end on the row after it.
        if (row == rowCount && e.Marks().EofMark().Visible() &&
            (rowCount == 0 || e.GetRowEndKind(rowCount - 1) != RowEndKind::OpenLast))
            editor_.DrawEof(painter, x, rowRect.top());
    }
    if (underline)
        DrawUnderline(painter, e.Row());
}

// ---- rows ----------------------------------------------------------------------

void TEditorPainter::DrawRow(QPainter& painter, const QRect& rect, int x, int y,
                             const std::string& lineStr, int index) {
    DrawRowPart(painter, rect, x, y, lineStr, index, false);
}

void TEditorPainter::DrawSelectedRow(QPainter& painter, const QRect& rect, int x, int y,
                                     const std::string& lineStr, int index) {
    DrawRowPart(painter, rect, x, y, lineStr, index, true);
}

void TEditorPainter::DrawRowWithSelection(QPainter& painter, const QRect& rect, int x, int y,
                                          const std::string& lineStr, int index) {
    TEditor& e = editor_;
    const TCustomEditor::DisplaySelection& s = e.SelectionDisplay();
    if (index < s.startRow || index > s.endRow) {
        DrawRow(painter, rect, x, y, lineStr, index);
        return;
    }
    const int ml = e.Margin().Left();
    const auto colX = [&](int col) {
        return std::max(ml, ClampToInt(x + static_cast<long long>(col) * e.CharWidth()));
    };
    const int right = rect.right() + 1;
    int selStart = rect.left();
    int selEnd = right;
    if (e.SelectionMode() == TEditorSelectionMode::smBox) {
        // Rows shorter than the box show the highlight over their text only,
        // and a double-byte character cut by an edge is taken by the cell
        // after it.
        const std::string classes = e.ColumnClassesOf(e.ListInfo().RowView(index));
        const auto edge = [&](int col) {
            col = std::min(col, static_cast<int>(lineStr.size()));
            if (col < static_cast<int>(classes.size()) && classes[col] == kClassTrail)
                ++col;
            return colX(col);
        };
        selStart = edge(s.startCol);
        selEnd = edge(s.endCol);
    } else {
        if (index == s.startRow)
            selStart = colX(s.startCol);
        if (index == s.endRow)
            selEnd = colX(s.endCol);
    }
    const auto part = [&](int from, int to) {
        return QRect(from, rect.top(), to - from, rect.height()).intersected(rect);
    };
    const QRect before = part(rect.left(), selStart);
    const QRect selected = part(selStart, selEnd);
    const QRect after = part(std::max(selStart, selEnd), right);
    if (!before.isEmpty())
        DrawRow(painter, before, x, y, lineStr, index);
    if (!selected.isEmpty())
        DrawSelectedRow(painter, selected, x, y, lineStr, index);
    if (!after.isEmpty())
        DrawRow(painter, after, x, y, lineStr, index);
}

void TEditorPainter::DrawRowPart(QPainter& painter, const QRect& rect, int x, int y,
                                 const std::string& lineStr, int index, bool selected) {
    if (rect.isEmpty())
        return;
    TEditor& e = editor_;
    const int cw = e.CharWidth();
    EnsureState(index);
    const TEditorColor& select = e.View().Colors().Select();
    painter.fillRect(rect, ToQColor(selected ? select.BkColor() : e.Color()));

    // With folding on, a token may run over the fold: the neighbours' text is
    // joined on so that it is scanned whole. The joined bytes lie outside the
    // row's own cells and are never drawn.
    std::string joined = lineStr;
    int joinedX = x;
    QRect textRect = rect;
    if (!lineStr.empty()) {
        const TEditorScreenStrings& rows = e.ListInfo();
        int state = rows.ScannerState(index);
        std::size_t prefix = 0;
        if (e.WordWrap() && index > 0 && rows.GetRowEndKind(index - 1) == RowEndKind::Wrapped) {
            EnsureState(index - 1);
            state = rows.ScannerState(index - 1);
            const std::string_view previous = rows.RowView(index - 1);
            joined.insert(0, previous);
            prefix = previous.size();
            joinedX = ClampToInt(x - static_cast<long long>(prefix) * cw);
        }
        if (e.WordWrap() && index < rows.Count() - 1 &&
            rows.GetRowEndKind(index) == RowEndKind::Wrapped) {
            joined.append(rows.RowView(index + 1));
            const int textEnd = ClampToInt(x + static_cast<long long>(lineStr.size()) * cw);
            textRect.setRight(std::min(textRect.right(), textEnd - 1));
        }
        StyleBytes(joined, state, selected);

        // The cells of the row that meet the rectangle, from a character start.
        const auto length = static_cast<long long>(lineStr.size());
        const long long firstCell = std::max(0, FloorDiv(textRect.left() - x, cw));
        const long long endCell =
            std::min(length, static_cast<long long>(FloorDiv(textRect.right() - x, cw)) + 1);
        std::size_t start = 0;
        while (static_cast<long long>(start) < firstCell && start < lineStr.size() &&
               static_cast<long long>(start + CharLength(lineStr, start)) <= firstCell)
            start += CharLength(lineStr, start);

        painter.save();
        painter.setClipRect(textRect, Qt::IntersectClip);
        // Every background before any text, so that no cell covers a glyph
        // reaching into it from its neighbour (slanted text above all).
        const int baseline = y + ascent_;
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t from = start; static_cast<long long>(from) < endCell;) {
                const std::uint8_t style = byteStyles_[prefix + from];
                std::size_t to = from + 1;
                while (static_cast<long long>(to) < length && byteStyles_[prefix + to] == style)
                    ++to;
                const CellStyle& cells = styles_[style];
                const int runX = ClampToInt(x + static_cast<long long>(from) * cw);
                if (pass == 0) {
                    if (cells.background != styles_[0].background)
                        painter.fillRect(QRect(runX, textRect.top(),
                                               static_cast<int>(to - from) * cw, textRect.height()),
                                         cells.background);
                } else {
                    DrawCells(painter, std::string_view(lineStr).substr(from, to - from), runX,
                              baseline, textRect, cells.text, cells.styles);
                }
                from = to;
            }
        }
        painter.restore();
    }

    painter.save();
    painter.setClipRect(textRect, Qt::IntersectClip);
    e.DoDrawLine(painter, joined, joinedX, y, index, textRect, selected);
    painter.restore();

    // The marks go in the cell after the text, when that cell is inside the
    // rectangle: never after a row joined to the next one.
    const long long markX = joinedX + static_cast<long long>(joined.size()) * cw;
    if (markX >= textRect.right() + 1)
        return;
    const RowEndKind kind = e.GetRowEndKind(index);
    if (e.Marks().EofMark().Visible() && index == e.RowCount() - 1 && kind == RowEndKind::OpenLast)
        e.DrawEof(painter, static_cast<int>(markX), y);
    else if (e.Marks().RetMark().Visible() && kind == RowEndKind::LineEnd) {
        if (selected)
            e.DrawRetMarkSelected(painter, static_cast<int>(markX), y);
        else
            e.DrawRetMark(painter, static_cast<int>(markX), y);
    }
}

void TEditorPainter::StyleBytes(std::string_view joined, int state, bool selected) {
    TEditor& e = editor_;
    styles_.clear();
    styleSources_.clear();
    // Style 0: what lies outside every coloured token.
    const TFontStyles fontStyles = FontStylesOf(e.font());
    if (selected) {
        const TEditorColor& select = e.View().Colors().Select();
        styles_.push_back({ToQColor(select.BkColor()), ToQColor(select.Color()), fontStyles});
    } else {
        styles_.push_back({ToQColor(e.Color()), ToQColor(e.Font().color), fontStyles});
    }
    byteStyles_.assign(joined.size(), 0);

    TEditorParser parser(joined, state, &e.View());
    for (; parser.Token() != TokenKind::tkEnd; parser.NextToken()) {
        const TEditorColor* color = TokenColor(parser.Token(), parser.TokenText(),
                                               parser.BracketIndex(), e.View(), e.ReserveWords());
        if (color == nullptr)
            continue;
        const std::uint8_t style = StyleIndex(color, selected);
        const std::size_t from = parser.TokenOffset();
        std::fill_n(byteStyles_.begin() + static_cast<std::ptrdiff_t>(from),
                    std::min(parser.TokenText().size(), joined.size() - from), style);
    }
}

std::uint8_t TEditorPainter::StyleIndex(const TEditorColor* color, bool selected) {
    for (const auto& [source, index] : styleSources_)
        if (source == color)
            return index;
    // A selection shows every token in the selection's colours, keeping only
    // the token's style.
    const TEditorColor& shown = selected ? editor_.View().Colors().Select() : *color;
    const CellStyle style{ToQColor(shown.BkColor()), ToQColor(shown.Color()), color->Style()};
    // Colour objects that look alike make one run: fewer, longer text runs.
    auto same = std::find(styles_.begin(), styles_.end(), style);
    if (same == styles_.end())
        same = styles_.insert(styles_.end(), style);
    const auto index = static_cast<std::uint8_t>(same - styles_.begin());
    styleSources_.emplace_back(color, index);
    return index;
}

// ---- text in cells -------------------------------------------------------------

void TEditorPainter::DrawCells(QPainter& painter, std::string_view text, int x, int baseline,
                               const QRect& clip, const QColor& color, TFontStyles styles) {
    const int cw = editor_.CharWidth();
    Face& face = FaceFor(styles);
    glyphs_.clear();
    positions_.clear();
    for (std::size_t i = 0; i < text.size();) {
        const DrawnChar c = DecodeAt(text, i);
        const int cellX = ClampToInt(x + static_cast<long long>(i) * cw);
        if (cellX > clip.right())
            break;
        if (cellX + c.length * cw > clip.left()) {
            if (!c.valid) {
                for (int k = 0; k < c.length; ++k)
                    DrawPlaceholder(painter, cellX + k * cw, baseline, color);
            } else {
                const std::uint32_t glyph = Glyph(face, c.code, text.substr(i, c.length));
                if (glyph == kMissing) {
                    painter.setPen(color);
                    DrawMissingGlyph(painter, text.substr(i, c.length), cellX, baseline, face);
                } else if (glyph != kBlank) {
                    glyphs_.push_back(glyph);
                    positions_.emplace_back(cellX, baseline);
                }
            }
        }
        i += static_cast<std::size_t>(c.length);
    }
    painter.setPen(color);
    if (!glyphs_.empty()) {
        QGlyphRun run;
        run.setRawFont(face.raw);
        run.setRawData(glyphs_.data(), positions_.data(), static_cast<int>(glyphs_.size()));
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    // The lines of an underlined or struck-out style run over whole cells.
    const int width = ClampToInt(static_cast<long long>(text.size()) * cw);
    if ((styles & fsUnderline) != 0)
        painter.fillRect(x, baseline + underlinePos_, width, lineWidth_, color);
    if ((styles & fsStrikeOut) != 0)
        painter.fillRect(x, baseline - strikeOutPos_, width, lineWidth_, color);
}

// Bytes that make no character: a hollow box inside the cell, visible in any
// font and never wider than its cell.
void TEditorPainter::DrawPlaceholder(QPainter& painter, int x, int baseline,
                                     const QColor& color) const {
    const int cw = editor_.CharWidth();
    const int height = std::max(2, ascent_ * 3 / 4);
    if (cw < 4)
        return;
    painter.setPen(color);
    painter.drawRect(x + 1, baseline - height, cw - 3, height - 1);
}

// A character the font lacks goes through Qt's font fallback, held to its
// cells so that a wider fallback glyph cannot spill over.
void TEditorPainter::DrawMissingGlyph(QPainter& painter, std::string_view bytes, int x,
                                      int baseline, const Face& face) const {
    const std::string utf8 = Cp932ToUtf8(bytes);
    const int cw = editor_.CharWidth();
    painter.save();
    painter.setClipRect(QRect(x, baseline - ascent_, static_cast<int>(bytes.size()) * cw,
                              editor_.FontHeightMetric()),
                        Qt::IntersectClip);
    painter.setFont(face.font);
    painter.drawText(x, baseline,
                     QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    painter.restore();
}

TEditorPainter::Face& TEditorPainter::FaceFor(TFontStyles styles) {
    const int index = ((styles & fsBold) != 0 ? 1 : 0) + ((styles & fsItalic) != 0 ? 2 : 0);
    std::unique_ptr<Face>& face = faces_[static_cast<std::size_t>(index)];
    if (!face) {
        face = std::make_unique<Face>();
        face->font = StyledFont(font_, styles & (fsBold | fsItalic));
        face->raw = QRawFont::fromFont(face->font);
        face->glyphs.assign(kCodeCount, kUnknown);
    }
    return *face;
}

std::uint32_t TEditorPainter::Glyph(Face& face, unsigned code, std::string_view bytes) const {
    std::uint32_t& glyph = face.glyphs[code];
    if (glyph != kUnknown)
        return glyph;
    if (code < 0x20 || code == 0x7F) {
        glyph = kBlank;
        return glyph;
    }
    const std::string utf8 = Cp932ToUtf8(bytes);
    const QList<quint32> indexes = face.raw.glyphIndexesForString(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    glyph = indexes.size() == 1 && indexes.front() != 0 ? indexes.front() : kMissing;
    return glyph;
}

void TEditorPainter::FollowFont() {
    const QFont& font = editor_.font();
    if (fontKnown_ && font == font_)
        return;
    fontKnown_ = true;
    font_ = font;
    for (std::unique_ptr<Face>& face : faces_)
        face.reset();
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    underlinePos_ = metrics.underlinePos();
    strikeOutPos_ = metrics.strikeOutPos();
    lineWidth_ = std::max(1, metrics.lineWidth());
}

// ---- marks ---------------------------------------------------------------------

void TEditorPainter::DrawEof(QPainter& painter, int x, int y) {
    TEditor& e = editor_;
    const int cw = e.CharWidth();
    const QRect textArea(e.Margin().Left(), e.Margin().Top(),
                         e.viewport()->width() - e.Margin().Left(),
                         e.viewport()->height() - e.Margin().Top());
    const QRect box = QRect(x, y, kEofCells * cw, e.FontHeightMetric()).intersected(textArea);
    if (box.isEmpty())
        return;
    painter.fillRect(box, ToQColor(e.Color()));
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    DrawCells(painter, kEofMark, x, y + ascent_, box, ToQColor(e.Marks().EofMark().Color()),
              FontStylesOf(e.font()));
    painter.restore();
}

// A downward arrow in the cell after the row's text.
void TEditorPainter::DrawRetMark(QPainter& painter, int x, int y, const QColor& color) {
    TEditor& e = editor_;
    if (x < e.Margin().Left())
        return;
    const int fh = e.FontHeightMetric();
    const int m = x + e.CharWidth() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1, Qt::SolidLine));
    painter.drawLine(m, y + 6, m, y + fh - 4);
    painter.drawLine(m, y + fh - 4, m + 3, y + fh - 7);
    painter.drawLine(m, y + fh - 4, m - 3, y + fh - 7);
    painter.restore();
}

void TEditorPainter::DrawUnderline(QPainter& painter, int row) {
    TEditor& e = editor_;
    const int y = e.UnderlineY(row);
    if (y == -1)
        return;
    painter.fillRect(QRect(e.Margin().Left(), y, e.viewport()->width() - e.Margin().Left(), 1),
                     ToQColor(e.Marks().Underline().Color()));
}

// ---- state ------------------------------------------------------------------------

bool TEditorPainter::ItalicInUse() const {
    if (editor_.font().italic())
        return true;
    const TEditorViewInfo& view = editor_.View();
    const TEditorColors& colors = view.Colors();
    for (const TEditorColor* color :
         {&colors.Ank(), &colors.Comment(), &colors.DBCS(), &colors.Int(), &colors.Mail(),
          &colors.Str(), &colors.Symbol(), &colors.Reserve(), &colors.Url()})
        if ((color->Style() & fsItalic) != 0)
            return true;
    for (int i = 0; i < view.Brackets().Count(); ++i)
        if ((view.Brackets().Items(i).ItemColor().Style() & fsItalic) != 0)
            return true;
    return false;
}

// Scanner states are filled in lazily; a row drawn for the first time may
// not have one yet.
void TEditorPainter::EnsureState(int row) {
    TEditorScreenStrings& rows = editor_.ListInfo();
    if (row >= 0 && row < rows.Count() && rows.ScannerState(row) == kStateUncomputed)
        rows.PropagateStates(row, false);
}

QColor TEditorPainter::ToQColor(TColor color) const {
    return TColorToQColor(color, editor_.palette());
}

// ---- TEditor: painting ---------------------------------------------------------------

TEditorPainter& TEditor::Painter() {
    if (!painter_)
        painter_ = std::make_unique<TEditorPainter>(*this);
    return *painter_;
}

int TEditor::PaintedRows() const {
    return painter_ ? painter_->PaintedRows() : 0;
}

void TEditor::SetReserveWordList(const ReserveWordList& words) {
    if (ReserveWords().Text() == words.Text())
        return;
    ReserveWords() = words;
    viewport()->update();
}

void TEditor::Refresh() {
    InitFontMetrics();
    UpdateScrollInfo();
    viewport()->update();
}

void TEditor::DoDrawLine(QPainter& painter, const std::string& lineStr, int x, int y, int index,
                         const QRect& rect, bool selected) {
    if (OnDrawLine)
        OnDrawLine(this, painter, lineStr, x, y, index, rect, selected);
}

void TEditor::DrawEof(QPainter& painter, int x, int y) {
    Painter().DrawEof(painter, x, y);
}

void TEditor::DrawRetMark(QPainter& painter, int x, int y) {
    Painter().DrawRetMark(painter, x, y, TColorToQColor(Marks().RetMark().Color(), palette()));
}

void TEditor::DrawRetMarkSelected(QPainter& painter, int x, int y) {
    Painter().DrawRetMark(painter, x, y,
                          TColorToQColor(View().Colors().Select().Color(), palette()));
}

int TEditor::UnderlineY(int row) const {
    const long long y =
        Margin().Top() + static_cast<long long>(row - TopRow()) * RowHeight() + FontHeightMetric();
    if (y <= Margin().Top() || y >= viewport()->height())
        return -1;
    return static_cast<int>(y);
}

// The paint cycle draws the underline wherever the state says it belongs;
// drawing and erasing it both come down to painting its pixel row again.
void TEditor::DrawUnderline(int row) {
    InvalidateUnderline(row);
}

void TEditor::EraseUnderline(int row) {
    InvalidateUnderline(row);
}

void TEditor::InvalidateUnderline(int row) {
    const int y = UnderlineY(row);
    if (y != -1)
        viewport()->update(
            QRect(Margin().Left(), y, std::max(0, viewport()->width() - Margin().Left()), 1));
}

void TEditor::HideUnderline() {
    const bool shown = UnderlineHideCount() == 0;
    TCustomEditor::HideUnderline();
    if (shown && Marks().Underline().Visible() && !Selected())
        EraseUnderline(Row());
}

void TEditor::ShowUnderline() {
    TCustomEditor::ShowUnderline();
    if (UnderlineHideCount() == 0 && Marks().Underline().Visible() && !Selected())
        DrawUnderline(Row());
}

void TEditor::ScrollRowsBelow(int row, int rows) {
    if (RowHeight() <= 0) {
        viewport()->update();
        return;
    }
    // Rows above the view moving shift the whole text area.
    const long long top =
        Margin().Top() + static_cast<long long>(std::max(0, row - TopRow())) * RowHeight();
    const int height = viewport()->height();
    if (top >= height)
        return;
    const QRect area(Margin().Left(), static_cast<int>(top),
                     std::max(0, viewport()->width() - Margin().Left()),
                     height - static_cast<int>(top));
    const int dy = rows * RowHeight();
    viewport()->scroll(0, dy, area);
    // The caret's pixels moved with the rows; both where they went and where
    // the caret stands are painted again (after the scroll, which would
    // otherwise carry these requests along).
    if (CaretVisible()) {
        viewport()->update(CaretRect());
        viewport()->update(CaretRect().translated(0, dy));
    }
}

void TEditor::InvalidateSpan(int row, int startCol, int endCol) {
    const int cw = CharWidth();
    const int rh = RowHeight();
    if (cw <= 0 || rh <= 0) {
        viewport()->update();
        return;
    }
    if (row < TopRow() || row > TopRow() + PageRows() + 1)
        return;
    long long left = Margin().Left() + static_cast<long long>(startCol - TopCol()) * cw;
    long long right = endCol == kRightEdge
                          ? viewport()->width()
                          : Margin().Left() + static_cast<long long>(endCol - TopCol()) * cw;
    if (Painter().ItalicInUse()) {
        // A slanted glyph reaches into the next cell: its neighbours too.
        left -= cw;
        right += cw;
    }
    left = std::max<long long>(left, Margin().Left());
    right = std::min<long long>(right, viewport()->width());
    if (right <= left)
        return;
    const int top = Margin().Top() + (row - TopRow()) * rh;
    viewport()->update(QRect(static_cast<int>(left), top, static_cast<int>(right - left), rh));
}

} // namespace mojiro
