// TEditorPainter: draws the rows of a TEditor in its fixed-pitch grid. Every
// CP932 byte takes one cell of CharWidth whatever the font's own advances, so
// each character is placed at its own cell; the text is converted only here,
// for drawing. Tokens take the colours of the view's colour set, the
// selection is highlighted cell-exact, and the marks (end of file, line ends,
// caret-row underline) are drawn over the text.
#pragma once

#include "editor/EditorTypes.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QPainter;
class QRegion;

namespace mojiro {

class TEditor;
class TEditorColor;

class TEditorPainter {
public:
    explicit TEditorPainter(TEditor& editor);
    ~TEditorPainter();
    TEditorPainter(const TEditorPainter&) = delete;
    TEditorPainter& operator=(const TEditorPainter&) = delete;

    // The paint cycle for an exposed region of the viewport: the background,
    // then the rows meeting each of its rectangles.
    void Paint(QPainter& painter, const QRegion& region);
    // The rows meeting `clip`, widened to whole cells and rows, and then the
    // caret-row underline.
    void PaintRect(QPainter& painter, const QRect& clip);

    // One row whose text (tabs expanded) is lineStr and whose first byte is at
    // pixel x, top y: unselected, selected, or cut into its unselected and
    // selected parts. Drawing is limited to rect.
    void DrawRow(QPainter& painter, const QRect& rect, int x, int y, const std::string& lineStr,
                 int index);
    void DrawSelectedRow(QPainter& painter, const QRect& rect, int x, int y,
                         const std::string& lineStr, int index);
    void DrawRowWithSelection(QPainter& painter, const QRect& rect, int x, int y,
                              const std::string& lineStr, int index);

    // The marks in their standard form.
    void DrawEof(QPainter& painter, int x, int y);
    void DrawRetMark(QPainter& painter, int x, int y, const QColor& color);
    void DrawUnderline(QPainter& painter, int row);

    // Whether any text may be drawn slanted (the font or a token colour is
    // italic): a slanted glyph leans into the next cell, so a repaint of
    // some cells must take in their neighbours.
    [[nodiscard]] bool ItalicInUse() const;
    // Rows drawn by PaintRect since the painter was made.
    [[nodiscard]] int PaintedRows() const { return paintedRows_; }

private:
    // How a run of cells is drawn.
    struct CellStyle {
        QColor background;
        QColor text;
        TFontStyles styles = 0;
        bool operator==(const CellStyle&) const = default;
    };
    // A font in one of its bold/italic forms with the glyph of every CP932
    // character looked up once.
    struct Face {
        QFont font;
        QRawFont raw;
        std::vector<std::uint32_t> glyphs; // by CP932 code (lead * 256 + trail)
    };

    void DrawRowPart(QPainter& painter, const QRect& rect, int x, int y, const std::string& lineStr,
                     int index, bool selected);
    // Rows joined to a wrapped neighbour are scanned whole; gives the style
    // index of every byte of `joined`.
    void StyleBytes(std::string_view joined, int state, bool selected);
    [[nodiscard]] std::uint8_t StyleIndex(const TEditorColor* color, bool selected);
    // Draws `text` one cell per byte from pixel x in one colour and style;
    // only the characters meeting `clip` horizontally are drawn.
    void DrawCells(QPainter& painter, std::string_view text, int x, int baseline, const QRect& clip,
                   const QColor& color, TFontStyles styles);
    void DrawPlaceholder(QPainter& painter, int x, int baseline, const QColor& color) const;
    void DrawMissingGlyph(QPainter& painter, std::string_view bytes, int x, int baseline,
                          const Face& face) const;
    [[nodiscard]] Face& FaceFor(TFontStyles styles);
    [[nodiscard]] std::uint32_t Glyph(Face& face, unsigned code, std::string_view bytes) const;
    void FollowFont();
    void EnsureState(int row);
    [[nodiscard]] QColor ToQColor(TColor color) const;

    TEditor& editor_;

    // Font-dependent caches, dropped when the editor's font changes.
    bool fontKnown_ = false;
    QFont font_;
    int ascent_ = 0;
    int underlinePos_ = 0;
    int strikeOutPos_ = 0;
    int lineWidth_ = 1;
    std::array<std::unique_ptr<Face>, 4> faces_;

    // Scratch of one row, kept to spare an allocation per row.
    std::vector<std::uint8_t> byteStyles_;
    std::vector<CellStyle> styles_;
    // The colour objects met in the row so far and their style indexes.
    std::vector<std::pair<const TEditorColor*, std::uint8_t>> styleSources_;
    std::vector<std::uint32_t> glyphs_;
    std::vector<QPointF> positions_;

    int paintedRows_ = 0;
};

} // namespace mojiro
