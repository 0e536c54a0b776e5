// The print job's target on a QPrinter: CUPS printers and PDF files alike.
// Document text turns into Unicode here, at the edge, and nowhere earlier.
#pragma once

#include "editor/EditorFont.h"
#include "print/PrintJob.h"

#include <QColor>
#include <QFont>
#include <QPainter>

class QPrinter;

namespace mojiro {

class TCustomEditor;

// The editor's font for the printer: its face (through the font
// substitutes), style and point size, so text prints at the size it shows.
[[nodiscard]] QFont PrinterFont(const TEditorFont& description);
// The colour of the editor's font, system colours resolved.
[[nodiscard]] QColor PrinterTextColor(const TEditorFont& description);

// The printer's resolution, unprintable strips and printable area, and the
// line height and widest row of the editor's text in `font` on it.
void MeasurePrinter(PrintLayout& layout, QPrinter& printer, const QFont& font,
                    const TCustomEditor& editor);

// The printer's name, or the file a PDF printer writes, for the dialog.
[[nodiscard]] QString PrinterDisplayName(const QPrinter& printer);

class PrinterTarget : public PrintTarget {
public:
    // Begins the document; PrintError when the printer (or the PDF file)
    // cannot be opened.
    PrinterTarget(QPrinter& printer, const QFont& font, const QColor& color);
    // Ends a document that Finish did not, as after a failure.
    ~PrinterTarget() override;
    PrinterTarget(const PrinterTarget&) = delete;
    PrinterTarget& operator=(const PrinterTarget&) = delete;

    // Ends the document; PrintError when the printer reports a failure.
    void Finish();

    void DrawText(int x, int y, std::string_view cp932) override;
    [[nodiscard]] int TextWidth(std::string_view cp932) override;
    void NewPage() override;

private:
    QPrinter& printer_;
    QPainter painter_;
    qreal ascent_ = 0;
};

} // namespace mojiro
