#include "print/PrintCommands.h"

#include "editor/CustomEditor.h"
#include "platform/Cp932Codec.h"
#include "print/PrintDlg.h"
#include "print/PrinterTarget.h"

#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <exception>
#include <filesystem>

namespace mojiro {

std::string PdfFileNameFor(const std::string& documentName) {
    namespace fs = std::filesystem;
    const fs::path document(std::u8string(documentName.begin(), documentName.end()));
    fs::path pdf = document.is_absolute()
                       ? document
                       : fs::path(QDir::homePath().toStdU16String()) / document.filename();
    pdf.replace_extension(".pdf");
    const std::u8string text = pdf.u8string();
    return std::string(text.begin(), text.end());
}

void PreparePrinter(QPrinter& printer, const std::string& documentName) {
    if (printer.outputFormat() == QPrinter::NativeFormat &&
        QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(QString::fromStdString(PdfFileNameFor(documentName)));
}

void FilePrintItemClick(QWidget* parent, TCustomEditor& editor, SettingsStore& store,
                        QPrinter& printer, const std::string& fileName,
                        const std::function<void(int context)>& showHelp) {
    PreparePrinter(printer, fileName);
    TPrintDlg dialog(parent, editor, store, printer);
    if (showHelp)
        dialog.SetHelpHandler(showHelp);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        // The head line's file name goes to the printer as document text.
        const PrintOptions options = dialog.Options(Utf8ToCp932(fileName).bytes);
        PrinterTarget target(printer, PrinterFont(editor.Font()), PrinterTextColor(editor.Font()));
        PrintDocument(editor, dialog.Layout(), options, target);
        target.Finish();
    } catch (const std::exception& error) {
        QMessageBox::critical(parent, QString::fromUtf8("印刷"), QString::fromUtf8(error.what()));
    }
}

void FilePrinterSetupItemClick(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.exec();
}

} // namespace mojiro
