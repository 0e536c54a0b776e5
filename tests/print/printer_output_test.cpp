// Printing for real on the offscreen platform: a CP932 document through
// QPrinter into a PDF file, and the print dialog against that printer and a
// fresh settings store.
#include "QtTestApp.h"
#include "editor/CustomEditor.h"
#include "editor/FakeHost.h"
#include "print/PrintCommands.h"
#include "print/PrintDlg.h"
#include "print/PrintSettings.h"
#include "print/PrinterTarget.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace mojiro {
namespace {

// A dialog whose warnings are noted instead of shown.
class QuietPrintDlg : public TPrintDlg {
public:
    using TPrintDlg::TPrintDlg;
    QStringList warnings;

protected:
    void ShowWarning(const QString& text) override { warnings << text; }
};

class PrinterOutput : public ::testing::Test {
protected:
    PrinterOutput() : printer(QPrinter::HighResolution), store(StorePath()) {
        editor.InitFontMetrics();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("out.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        store.Open();
    }

    std::filesystem::path StorePath() const { return dir.filePath("Mojiro.ini").toStdString(); }

    int PdfPages() const {
        QFile file(dir.filePath("out.pdf"));
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        const QString pdf = QString::fromLatin1(file.readAll());
        return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    QTemporaryDir dir;
    QPrinter printer;
    SettingsStore store;
    test::FakeHost host;
    TCustomEditor editor{host};
};

TEST_F(PrinterOutput, Cp932DocumentPrintsItsPagesToPdf) {
    PrintLayout layout;
    MeasurePrinter(layout, printer, PrinterFont(editor.Font()), editor);
    const PrintDialogValues values{.left = 20, .top = 15, .bottom = 15, .spacingIndex = 2};
    RecalcLayout(layout, values, 0);
    ASSERT_TRUE(layout.Printable());
    // Two full pages and one row: three pages.
    std::string text;
    for (int row = 0; row < 2 * layout.RowsPerPage + 1; ++row)
        text += "\x8B\x4C\x8E\xD2 article\r\n"; // 記者
    editor.ListInfo().LoadFromBytes(text);
    RecalcLayout(layout, values, editor.RowCount());
    ApplyMargins(layout, values);

    PrinterTarget target(printer, PrinterFont(editor.Font()), PrinterTextColor(editor.Font()));
    PrintOptions options;
    options.pageNumbers = true;
    PrintDocument(editor, layout, options, target);
    target.Finish();

    EXPECT_EQ(3, layout.PageCount);
    EXPECT_EQ(3, PdfPages());
}

TEST_F(PrinterOutput, UnwritablePdfFileIsReportedOnBeginning) {
    printer.setOutputFileName(dir.filePath("missing/folder/out.pdf"));
    EXPECT_THROW(PrinterTarget(printer, PrinterFont(editor.Font()), Qt::black), PrintError);
}

TEST_F(PrinterOutput, DialogStartsFromDefaultsAndStoresCentringAsZero) {
    editor.ListInfo().LoadFromBytes("\x8B\x4C\x8E\xD2\r\nabc"); // 記者
    QuietPrintDlg dialog(nullptr, editor, store, printer);
    dialog.FormShow();
    const PrintDialogValues shown = dialog.Values();
    EXPECT_TRUE(shown.centre);
    EXPECT_EQ(dialog.Layout().CentredLeft(), shown.left);
    EXPECT_EQ(15, shown.top);
    EXPECT_EQ(15, shown.bottom);
    EXPECT_EQ(2, shown.spacingIndex);
    EXPECT_EQ(1, dialog.Layout().PageCount);
    EXPECT_TRUE(dialog.warnings.isEmpty());

    dialog.OKBtnClick();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    const StoredPrintSettings stored = ReadPrintSettings(store);
    EXPECT_EQ(0, stored.LYohaku);
    EXPECT_EQ(15, stored.TYohaku);
    EXPECT_EQ(PixelsFromMm(15, printer.resolution()) - dialog.Layout().OffsetY,
              dialog.Layout().TopOffset);
}

TEST(PdfFileName, BesideTheDocumentOrInTheHomeFolderWhenUntitled) {
    EXPECT_EQ("/news/2026/記事.pdf", PdfFileNameFor("/news/2026/記事.txt"));
    EXPECT_EQ(QDir::homePath().toStdString() + "/名称未設定.pdf", PdfFileNameFor("名称未設定"));
}

} // namespace
} // namespace mojiro
