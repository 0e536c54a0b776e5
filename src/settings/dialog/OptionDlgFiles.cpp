// Page "ﾌｧｲﾙ": the start-up document, the open dialog's view, backups, the
// recent files, file names from the title line and the file associations.
#include "settings/FileAssociation.h"
#include "settings/SettingsTable.h"
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/HiraganaInput.h"
#include "settings/dialog/OptionDlg.h"
#include "settings/dialog/RadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <stdexcept>

namespace mojiro {

using namespace option_dialog;

namespace {

// An extension is typed in lower case.
class LowerCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toLower();
        return Acceptable;
    }
};

} // namespace

QWidget* TOptionDlg::BuildFilePage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* start = new QGroupBox(page);
    auto* startGrid = new QGridLayout(start);
    InitialLoadFileCb = new QCheckBox(U("起動時に指定した文書を開く"), start);
    InitialLoadFileCb->setObjectName(QStringLiteral("InitialLoadFileCb"));
    InitialLoadFileEdit = new QLineEdit(start);
    InitialLoadFileEdit->setObjectName(QStringLiteral("InitialLoadFileEdit"));
    InitialBrowseBtn = new QPushButton(U("参照"), start);
    InitialBrowseBtn->setObjectName(QStringLiteral("InitialBrowseBtn"));
    startGrid->addWidget(InitialLoadFileCb, 0, 0, 1, 3);
    startGrid->addWidget(new QLabel(U("開くﾌｧｲﾙ"), start), 1, 0);
    startGrid->addWidget(InitialLoadFileEdit, 1, 1);
    startGrid->addWidget(InitialBrowseBtn, 1, 2);
    grid->addWidget(start, 0, 0, 1, 2);

    FileOpenStyleRg = new TRadioGroup(U("ﾌｧｲﾙを開く際"), {U("一覧"), U("詳細")}, 2, page);
    FileOpenStyleRg->setObjectName(QStringLiteral("FileOpenStyleRg"));
    BuckUpCb = new QCheckBox(U("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙを作成"), page);
    BuckUpCb->setObjectName(QStringLiteral("BuckUpCb"));
    RecentFileClearBtn = new QPushButton(U("最近開いた文書のｸﾘｱ"), page);
    RecentFileClearBtn->setObjectName(QStringLiteral("RecentFileClearBtn"));
    grid->addWidget(FileOpenStyleRg, 1, 0);
    grid->addWidget(BuckUpCb, 1, 1);
    grid->addWidget(RecentFileClearBtn, 2, 1);

    auto* naming = new QGroupBox(page);
    auto* namingGrid = new QGridLayout(naming);
    FileNameEnableCb = new QCheckBox(U("表題をﾌｧｲﾙ名にする"), naming);
    FileNameEnableCb->setObjectName(QStringLiteral("FileNameEnableCb"));
    FileNameRg = new TRadioGroup(U("表題行"), {U("先頭から"), QString()}, 2, naming);
    FileNameRg->setObjectName(QStringLiteral("FileNameRg"));
    TitleGyoumeSp = new QSpinBox(FileNameRg);
    TitleGyoumeSp->setObjectName(QStringLiteral("TitleGyoumeSp"));
    TitleGyoumeSp->setRange(1, 20);
    FileNameRg->ItemLine(0)->addWidget(TitleGyoumeSp);
    FileNameRg->ItemLine(0)->addWidget(new QLabel(U("行目"), FileNameRg));
    FileNameLetterEdit = new QLineEdit(FileNameRg);
    FileNameLetterEdit->setObjectName(QStringLiteral("FileNameLetterEdit"));
    StartInHiragana(FileNameLetterEdit);
    FileNameRg->ItemLine(1)->addWidget(FileNameLetterEdit);
    FileNameRg->ItemLine(1)->addWidget(new QLabel(U("で始まる行"), FileNameRg));
    FileNameDateRg = new TRadioGroup(U("ﾌｧｲﾙ名の付け方"),
                                     {U("表題のみ"), U("月日と表題（mmdd+表題）"),
                                      U("年月日と表題(yymmdd+表題)"), U("表題と月日（表題+mmdd）"),
                                      U("表題と年月日(表題+yymmdd)")},
                                     1, naming);
    FileNameDateRg->setObjectName(QStringLiteral("FileNameDateRg"));
    namingGrid->addWidget(FileNameEnableCb, 0, 0);
    namingGrid->addWidget(FileNameRg, 1, 0);
    namingGrid->addWidget(FileNameDateRg, 2, 0);
    grid->addWidget(naming, 3, 0, 1, 2);

    auto* association = new QGroupBox(U("ﾌｧｲﾙの関連付け"), page);
    auto* associationLine = new QHBoxLayout(association);
    KanrenEdit = new QLineEdit(QStringLiteral("."), association);
    KanrenEdit->setObjectName(QStringLiteral("KanrenEdit"));
    KanrenEdit->setValidator(new LowerCaseValidator(KanrenEdit));
    auto* kanren = new QPushButton(U("関連付ける"), association);
    kanren->setObjectName(QStringLiteral("KanrenBtn"));
    auto* kanCan = new QPushButton(U("関連付け削除"), association);
    kanCan->setObjectName(QStringLiteral("KanCanBtn"));
    associationLine->addWidget(new QLabel(U("拡張子"), association));
    associationLine->addWidget(KanrenEdit);
    associationLine->addWidget(kanren);
    associationLine->addWidget(kanCan);
    grid->addWidget(association, 4, 0, 1, 2);

    connect(InitialLoadFileCb, &QCheckBox::toggled, this, [this] { UpdateFileControls(); });
    connect(FileNameEnableCb, &QCheckBox::toggled, this, [this] { UpdateFileControls(); });
    connect(FileNameRg, &TRadioGroup::Clicked, this, [this] { UpdateFileControls(); });
    connect(InitialBrowseBtn, &QPushButton::clicked, this, &TOptionDlg::InitialBrowseBtnClick);
    connect(RecentFileClearBtn, &QPushButton::clicked, this, &TOptionDlg::RecentFileClearBtnClick);
    connect(kanren, &QPushButton::clicked, this, &TOptionDlg::KanrenBtnClick);
    connect(kanCan, &QPushButton::clicked, this, &TOptionDlg::KanCanBtnClick);
    return page;
}

void TOptionDlg::UpdateFileControls() {
    InitialLoadFileEdit->setEnabled(InitialLoadFileCb->isChecked());
    const bool naming = FileNameEnableCb->isChecked();
    FileNameRg->setEnabled(naming);
    FileNameDateRg->setEnabled(naming);
    TitleGyoumeSp->setEnabled(naming && FileNameRg->ItemIndex() == 0);
    FileNameLetterEdit->setEnabled(naming && FileNameRg->ItemIndex() == 1);
}

void TOptionDlg::InitialBrowseBtnClick() {
    const QString file =
        QFileDialog::getOpenFileName(this, U("起動時に開く文書の選択"), InitialLoadFileEdit->text(),
                                     U("ﾃｷｽﾄﾌｧｲﾙ(*.txt);;すべてのﾌｧｲﾙ(*)"));
    if (!file.isEmpty()) {
        InitialLoadFileEdit->setText(file);
    }
}

void TOptionDlg::RecentFileClearBtnClick() {
    try {
        OpenStore open(store_);
        for (int n = 0; n < 10; ++n) {
            DeleteSetting(store_, TextSetting{"File", "RecentFile"}, n);
        }
    } catch (const SettingsError& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
        return;
    }
    RecentFileClearBtn->setEnabled(false);
}

// The extension of the edit, normalised and shown so; false, with a beep,
// when nothing follows the point.
bool TOptionDlg::TakeExtension(std::string& extension) {
    extension = NormaliseExtension(KanrenEdit->text().toStdString());
    KanrenEdit->setText(QString::fromStdString(extension));
    if (extension.size() > 1) {
        return true;
    }
    QApplication::beep();
    return false;
}

void TOptionDlg::KanrenBtnClick() {
    std::string extension;
    if (!TakeExtension(extension)) {
        return;
    }
    try {
        OpenStore open(store_);
        TFileAssociation().Register(extension, store_);
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
    }
}

void TOptionDlg::KanCanBtnClick() {
    std::string extension;
    if (!TakeExtension(extension)) {
        return;
    }
    try {
        TFileAssociation association;
        const AssociationOwner owner = association.Owner(extension);
        if (owner == AssociationOwner::None) {
            return;
        }
        if (owner == AssociationOwner::Other &&
            QMessageBox::warning(this, windowTitle(),
                                 QString::fromStdString(OtherOwnerQuestion(extension)),
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        OpenStore open(store_);
        association.Remove(extension, store_);
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
    }
}

} // namespace mojiro
