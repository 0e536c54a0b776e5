#include "print/PrintDlg.h"

#include "editor/CustomEditor.h"
#include "print/PrintCommands.h"
#include "print/PrintSettings.h"
#include "print/PrinterTarget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace mojiro {

namespace {

constexpr int kHelpContext = 15;
const char* const kSpacingCaptions[kSpacingCount] = {"0",   "1/4", "1/3", "1/2", "2/3",
                                                     "3/4", "1",   "1.5", "2"};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QLabel* BoldLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QSpinBox* MarginSpin(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setKeyboardTracking(false);
    return spin;
}

void SetRange(QSpinBox* spin, const MarginRange& range) {
    spin->setRange(range.minimum, std::max(range.minimum, range.maximum));
}

} // namespace

TPrintDlg::TPrintDlg(QWidget* parent, const TCustomEditor& editor, SettingsStore& store,
                     QPrinter& printer)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), editor_(editor),
      store_(store), printer_(printer) {
    setWindowTitle(Utf8("印刷"));

    auto* printerGroup = new QGroupBox(Utf8("ﾌﾟﾘﾝﾀ"), this);
    PrinterNameLabel = new QLabel(printerGroup);
    Button1 = new QPushButton(Utf8("ﾌﾟﾘﾝﾀの設定"), printerGroup);
    auto* printerLayout = new QHBoxLayout(printerGroup);
    printerLayout->addWidget(PrinterNameLabel, 1);
    printerLayout->addWidget(Button1);

    auto* countGroup = new QGroupBox(this);
    LineCountLabel = BoldLabel(countGroup);
    PageCountLabel = BoldLabel(countGroup);
    auto* countLayout = new QGridLayout(countGroup);
    countLayout->addWidget(new QLabel(Utf8("1頁の行数"), countGroup), 0, 0);
    countLayout->addWidget(LineCountLabel, 0, 1);
    countLayout->addWidget(new QLabel(Utf8("総ページ数"), countGroup), 1, 0);
    countLayout->addWidget(PageCountLabel, 1, 1);

    auto* marginGroup = new QGroupBox(Utf8("余白"), this);
    TopYohakuSpin = MarginSpin(marginGroup);
    BotomYohakuSpin = MarginSpin(marginGroup);
    LeftYohakuSpin = MarginSpin(marginGroup);
    CenterCb = new QCheckBox(Utf8("中央に印刷する"), marginGroup);
    auto* marginLayout = new QGridLayout(marginGroup);
    marginLayout->addWidget(new QLabel(Utf8("上(mm)"), marginGroup), 0, 0);
    marginLayout->addWidget(TopYohakuSpin, 0, 1);
    marginLayout->addWidget(new QLabel(Utf8("下(mm)"), marginGroup), 1, 0);
    marginLayout->addWidget(BotomYohakuSpin, 1, 1);
    marginLayout->addWidget(new QLabel(Utf8("左(mm)"), marginGroup), 2, 0);
    marginLayout->addWidget(LeftYohakuSpin, 2, 1);
    marginLayout->addWidget(CenterCb, 3, 0, 1, 2);

    // Two columns filled top to bottom, as a radio group lays out its items.
    auto* spacingGroup = new QGroupBox(Utf8("行間"), this);
    auto* spacingLayout = new QGridLayout(spacingGroup);
    GyoukanRg = new QButtonGroup(this);
    constexpr int rowsPerColumn = (kSpacingCount + 1) / 2;
    for (int index = 0; index < kSpacingCount; ++index) {
        auto* button = new QRadioButton(Utf8(kSpacingCaptions[index]), spacingGroup);
        GyoukanRg->addButton(button, index);
        spacingLayout->addWidget(button, index % rowsPerColumn, index / rowsPerColumn);
    }

    PageCb = new QCheckBox(Utf8("頁番号を印刷"), this);
    FileNameCb = new QCheckBox(Utf8("ﾌｧｲﾙ名を印刷"), this);

    OKBtn = new QPushButton(Utf8("印刷(&P)"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(Utf8("ｷｬﾝｾﾙ(&C)"), this);
    HelpBtn = new QPushButton(Utf8("ﾍﾙﾌﾟ(&H)"), this);
    HelpBtn->hide();

    auto* options = new QVBoxLayout;
    options->addWidget(spacingGroup);
    options->addWidget(PageCb);
    options->addWidget(FileNameCb);
    options->addStretch();
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(countGroup);
    left->addWidget(marginGroup);
    middle->addLayout(left);
    middle->addLayout(options);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* main = new QVBoxLayout(this);
    main->addWidget(printerGroup);
    main->addLayout(middle);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    // The left margin does not enter the page count: no handler of its own.
    connect(TopYohakuSpin, &QSpinBox::valueChanged, this, &TPrintDlg::RecalcLayout);
    connect(BotomYohakuSpin, &QSpinBox::valueChanged, this, &TPrintDlg::RecalcLayout);
    connect(GyoukanRg, &QButtonGroup::idClicked, this, &TPrintDlg::RecalcLayout);
    connect(PageCb, &QCheckBox::clicked, this, &TPrintDlg::RecalcLayout);
    connect(FileNameCb, &QCheckBox::clicked, this, &TPrintDlg::RecalcLayout);
    connect(CenterCb, &QCheckBox::clicked, this, &TPrintDlg::CenterCbClick);
    connect(Button1, &QPushButton::clicked, this, &TPrintDlg::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TPrintDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (helpHandler_)
            helpHandler_(kHelpContext);
    });
}

void TPrintDlg::SetHelpHandler(std::function<void(int context)> handler) {
    helpHandler_ = std::move(handler);
    HelpBtn->setVisible(static_cast<bool>(helpHandler_));
}

void TPrintDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPrintDlg::ShowWarning(const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
}

void TPrintDlg::FormShow() {
    MeasurePrinter(layout_, printer_, PrinterFont(editor_.Font()), editor_);
    const PrintDialogValues values =
        InitialDialogValues(layout_, ReadPrintSettings(store_), CenterCb->isChecked());
    SetValues(values);
    PrinterNameLabel->setText(PrinterDisplayName(printer_));
    if (layout_.RowTooWide())
        ShowWarning(Utf8("１行の長さが印刷できる範囲を超えています"));
    RecalcLayout();
}

void TPrintDlg::SetValues(const PrintDialogValues& values) {
    // One recalculation at the end, not one per control.
    const QSignalBlocker blockTop(TopYohakuSpin);
    const QSignalBlocker blockBottom(BotomYohakuSpin);
    SetRange(LeftYohakuSpin, layout_.LeftRange());
    SetRange(TopYohakuSpin, layout_.TopRange());
    SetRange(BotomYohakuSpin, layout_.BottomRange());
    LeftYohakuSpin->setValue(values.left);
    TopYohakuSpin->setValue(values.top);
    BotomYohakuSpin->setValue(values.bottom);
    CenterCb->setChecked(values.centre);
    UpdateLeftEnabled();
    GyoukanRg->button(values.spacingIndex)->setChecked(true);
    PageCb->setChecked(values.pageNumbers);
    FileNameCb->setChecked(values.fileName);
}

PrintDialogValues TPrintDlg::Values() const {
    return {.left = LeftYohakuSpin->value(),
            .top = TopYohakuSpin->value(),
            .bottom = BotomYohakuSpin->value(),
            .centre = CenterCb->isChecked(),
            .spacingIndex = ValidSpacingIndex(GyoukanRg->checkedId()),
            .pageNumbers = PageCb->isChecked(),
            .fileName = FileNameCb->isChecked()};
}

PrintOptions TPrintDlg::Options(const std::string& fileNameCp932) const {
    return {.pageNumbers = PageCb->isChecked(),
            .fileName = FileNameCb->isChecked(),
            .fileNameText = fileNameCp932};
}

void TPrintDlg::RecalcLayout() {
    mojiro::RecalcLayout(layout_, Values(), editor_.RowCount());
    LineCountLabel->setText(QString::number(layout_.RowsPerPage));
    PageCountLabel->setText(QString::number(layout_.PageCount));
}

void TPrintDlg::CenterCbClick() {
    if (CenterCb->isChecked())
        LeftYohakuSpin->setValue(layout_.CentredLeft());
    UpdateLeftEnabled();
}

void TPrintDlg::UpdateLeftEnabled() {
    LeftYohakuSpin->setEnabled(!CenterCb->isChecked());
}

void TPrintDlg::Button1Click() {
    // Whatever the user chose, everything is taken afresh from the printer
    // and the store.
    FilePrinterSetupItemClick(this, printer_);
    FormShow();
}

void TPrintDlg::OKBtnClick() {
    // A value still being typed is committed by now; count with it.
    RecalcLayout();
    if (!layout_.Printable()) {
        ShowWarning(QString::fromUtf8(kNoRowFitsMessage.data(),
                                      static_cast<qsizetype>(kNoRowFitsMessage.size())));
        return;
    }
    const PrintDialogValues values = Values();
    ApplyMargins(layout_, values);
    WritePrintSettings(store_, SettingsToStore(values));
    accept();
}

} // namespace mojiro
