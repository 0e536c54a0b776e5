// TPrintDlg: the print dialog. It measures the document against the current
// printer, lets the user set margins, line spacing and the head line, shows
// how many rows fit on a page and how many pages the document takes, and on
// acceptance stores its values and hands the layout to the print job.
#pragma once

#include "print/PrintJob.h"
#include "print/PrintLayout.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace mojiro {

class SettingsStore;
class TCustomEditor;

class TPrintDlg : public QDialog {
    Q_OBJECT

public:
    TPrintDlg(QWidget* parent, const TCustomEditor& editor, SettingsStore& store,
              QPrinter& printer);

    // Shows help context 15 when set; the help button is hidden otherwise.
    void SetHelpHandler(std::function<void(int context)> handler);

    // Measures the document on the printer and loads the stored values; runs
    // when the dialog is shown and again after the printer set-up.
    void FormShow();
    void RecalcLayout();
    void CenterCbClick();
    void Button1Click();
    // Refuses (with a message) margins that leave no room for a row.
    void OKBtnClick();

    [[nodiscard]] const PrintLayout& Layout() const { return layout_; }
    [[nodiscard]] PrintDialogValues Values() const;
    [[nodiscard]] PrintOptions Options(const std::string& fileNameCp932) const;

protected:
    void showEvent(QShowEvent* event) override;
    // Message boxes of the dialog; a test stands in for the user here.
    virtual void ShowWarning(const QString& text);

private:
    void SetValues(const PrintDialogValues& values);
    void UpdateLeftEnabled();

    const TCustomEditor& editor_;
    SettingsStore& store_;
    QPrinter& printer_;
    PrintLayout layout_;
    std::function<void(int)> helpHandler_;

    QLabel* PrinterNameLabel = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* LineCountLabel = nullptr;
    QLabel* PageCountLabel = nullptr;
    QSpinBox* TopYohakuSpin = nullptr;
    QSpinBox* BotomYohakuSpin = nullptr;
    QSpinBox* LeftYohakuSpin = nullptr;
    QCheckBox* CenterCb = nullptr;
    QButtonGroup* GyoukanRg = nullptr;
    QCheckBox* PageCb = nullptr;
    QCheckBox* FileNameCb = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};

} // namespace mojiro
