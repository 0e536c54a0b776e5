#include "print/PrinterTarget.h"

#include "editor/CustomEditor.h"
#include "editor/control/FontSubstitutes.h"
#include "editor/control/SystemColors.h"
#include "platform/Cp932Codec.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinter>
#include <cmath>
#include <cstdlib>

namespace mojiro {

namespace {

QString ToQString(std::string_view cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString Message(const char* utf8, const QString& detail) {
    return QString::fromUtf8(utf8) + detail;
}

} // namespace

QFont PrinterFont(const TEditorFont& description) {
    InstallFontSubstitutes();
    QFont font(ToQString(description.name));
    font.setStyleHint(QFont::TypeWriter);
    // A positive cell height stores a negative size; the magnitude is the size.
    const int points = std::abs(description.size);
    font.setPointSize(points > 0 ? points : TEditorFont{}.size);
    // Widths are measured character by character; kerning would draw rows
    // narrower than measured.
    font.setKerning(false);
    return StyledFont(font, description.style);
}

QColor PrinterTextColor(const TEditorFont& description) {
    return TColorToQColor(description.color, QGuiApplication::palette());
}

void MeasurePrinter(PrintLayout& layout, QPrinter& printer, const QFont& font,
                    const TCustomEditor& editor) {
    const QFontMetricsF metrics(font, &printer);
    // The text height of a line of "漢": the font's cell, ascent plus descent.
    layout.LineHeight =
        static_cast<int>(std::ceil(metrics.size(0, QString::fromUtf8("漢")).height()));
    layout.MaxRowWidth = MaxRowWidth(editor, [&metrics](std::string_view ch) {
        return metrics.horizontalAdvance(ToQString(ch));
    });
    layout.DpiX = layout.DpiY = printer.resolution();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    layout.OffsetX = page.left() - paper.left();
    layout.OffsetY = page.top() - paper.top();
    layout.PhysicalHeight = paper.height();
    layout.PageWidth = page.width();
    layout.PageHeight = page.height();
}

QString PrinterDisplayName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("PDF: ") + printer.outputFileName();
    return printer.printerName();
}

PrinterTarget::PrinterTarget(QPrinter& printer, const QFont& font, const QColor& color)
    : printer_(printer) {
    if (!painter_.begin(&printer_))
        throw PrintError(
            Message("印刷を開始できません: ", PrinterDisplayName(printer_)).toStdString());
    painter_.setFont(QFont(font, &printer_));
    painter_.setPen(color);
    ascent_ = QFontMetricsF(painter_.font(), &printer_).ascent();
}

PrinterTarget::~PrinterTarget() {
    if (painter_.isActive())
        painter_.end();
}

void PrinterTarget::Finish() {
    if (!painter_.end() || printer_.printerState() == QPrinter::Error)
        throw PrintError(
            Message("印刷できませんでした: ", PrinterDisplayName(printer_)).toStdString());
}

void PrinterTarget::DrawText(int x, int y, std::string_view cp932) {
    painter_.drawText(QPointF(x, y + ascent_), ToQString(cp932));
}

int PrinterTarget::TextWidth(std::string_view cp932) {
    return static_cast<int>(
        std::ceil(QFontMetricsF(painter_.font(), &printer_).horizontalAdvance(ToQString(cp932))));
}

void PrinterTarget::NewPage() {
    if (!printer_.newPage())
        throw PrintError(
            Message("印刷できませんでした: ", PrinterDisplayName(printer_)).toStdString());
}

} // namespace mojiro
