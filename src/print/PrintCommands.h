// The main window's two print commands: printing the document (Ctrl+P) and
// the printer set-up. The window owns one QPrinter (best made with
// QPrinter::HighResolution) and passes it to both, so a printer chosen in the
// set-up stays chosen.
#pragma once

#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace mojiro {

class SettingsStore;
class TCustomEditor;

// The PDF file a document prints to when no printer is installed: beside the
// document with the extension ".pdf", or in the home folder for a document
// without a file. Paths are UTF-8.
[[nodiscard]] std::string PdfFileNameFor(const std::string& documentName);

// With no printer installed the printer writes a PDF file, so that printing
// always works; an output file the user chose is kept.
void PreparePrinter(QPrinter& printer, const std::string& documentName);

// Shows the print dialog and prints the editor's rows when it is accepted.
// `fileName` is the document's full file name (UTF-8), or its untitled name.
// A printing failure is shown in a message box. `showHelp` serves the
// dialog's help button (context 15); without it the button is hidden.
void FilePrintItemClick(QWidget* parent, TCustomEditor& editor, SettingsStore& store,
                        QPrinter& printer, const std::string& fileName,
                        const std::function<void(int context)>& showHelp = {});

// The printer set-up dialog.
void FilePrinterSetupItemClick(QWidget* parent, QPrinter& printer);

} // namespace mojiro
