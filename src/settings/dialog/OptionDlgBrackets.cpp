// Page "書式2": the three line-length presets and the enclosing pairs, with
// a preview row per pair and the list file.
#include "editor/control/TEditor.h"
#include "settings/EnclosingListFile.h"
#include "settings/dialog/ColorComboBox.h"
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/HiraganaInput.h"
#include "settings/dialog/OptionDlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace mojiro {

using namespace option_dialog;

namespace {

constexpr const char* kListFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt);;すべてのﾌｧｲﾙ(*)";
constexpr const char* kSampleWord = "Mojiro";

} // namespace

QWidget* TOptionDlg::BuildBracketPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* presets = new QGroupBox(U("1行文字数の一発切り替え"), page);
    auto* presetGrid = new QGridLayout(presets);
    const char* keys[] = {"F11ｷｰ", "F12ｷｰ", "Shift+F12ｷｰ"};
    for (int i = 0; i < 3; ++i) {
        auto* spin = new QSpinBox(presets);
        spin->setObjectName(QStringLiteral("MyLineLenSp%1").arg(i + 1));
        spin->setRange(10, 125);
        MyLineLenSp[static_cast<std::size_t>(i)] = spin;
        presetGrid->addWidget(new QLabel(U(keys[i]), presets), 0, i);
        presetGrid->addWidget(spin, 1, i);
    }
    grid->addWidget(presets, 0, 0, 1, 2);

    auto* pairs = new QGroupBox(U("囲み文字"), page);
    auto* pairGrid = new QGridLayout(pairs);
    BLEdit = new QLineEdit(pairs);
    BLEdit->setObjectName(QStringLiteral("BLEdit"));
    BREdit = new QLineEdit(pairs);
    BREdit->setObjectName(QStringLiteral("BREdit"));
    BCcb = new TColorComboBox(pairs);
    BCcb->setObjectName(QStringLiteral("BCcb"));
    BBCcb = new TColorComboBox(pairs);
    BBCcb->setObjectName(QStringLiteral("BBCcb"));
    BBoldCb = new QCheckBox(U("太字"), pairs);
    BBoldCb->setObjectName(QStringLiteral("BBoldCb"));
    BItalicCb = new QCheckBox(U("ｲﾀﾘｯｸ"), pairs);
    BItalicCb->setObjectName(QStringLiteral("BItalicCb"));
    BUnderLineCb = new QCheckBox(U("ｱﾝﾀﾞｰﾗｲﾝ"), pairs);
    BUnderLineCb->setObjectName(QStringLiteral("BUnderLineCb"));
    BNewBtn = new QPushButton(U("新規"), pairs);
    BNewBtn->setObjectName(QStringLiteral("BNewBtn"));
    BChangeBtn = new QPushButton(U("更新"), pairs);
    BChangeBtn->setObjectName(QStringLiteral("BChangeBtn"));
    BDelBtn = new QPushButton(U("削除"), pairs);
    BDelBtn->setObjectName(QStringLiteral("BDelBtn"));
    BLb = new QListWidget(pairs);
    BLb->setObjectName(QStringLiteral("BLb"));
    BSaveBtn = new QPushButton(U("保存"), pairs);
    BSaveBtn->setObjectName(QStringLiteral("BSaveBtn"));
    BLoadBtn = new QPushButton(U("呼び出し"), pairs);
    BLoadBtn->setObjectName(QStringLiteral("BLoadBtn"));
    StartInHiragana(BLEdit);
    StartInHiragana(BREdit);

    pairGrid->addWidget(new QLabel(U("左側"), pairs), 0, 0);
    pairGrid->addWidget(BLEdit, 0, 1);
    pairGrid->addWidget(new QLabel(U("右側"), pairs), 1, 0);
    pairGrid->addWidget(BREdit, 1, 1);
    pairGrid->addWidget(new QLabel(U("色"), pairs), 2, 0);
    pairGrid->addWidget(BCcb, 2, 1);
    pairGrid->addWidget(new QLabel(U("背景色"), pairs), 3, 0);
    pairGrid->addWidget(BBCcb, 3, 1);
    pairGrid->addWidget(BBoldCb, 4, 0);
    pairGrid->addWidget(BItalicCb, 4, 1);
    pairGrid->addWidget(BUnderLineCb, 5, 0);
    pairGrid->addWidget(BNewBtn, 6, 0);
    pairGrid->addWidget(BChangeBtn, 6, 1);
    pairGrid->addWidget(BDelBtn, 6, 2);
    pairGrid->addWidget(new QLabel(U("ﾘｽﾄ(更新、削除の場合はここで選択)"), pairs), 0, 2);
    pairGrid->addWidget(BLb, 1, 2, 5, 1);
    pairGrid->addWidget(new QLabel(U("実際の表示例"), pairs), 7, 0);
    bEditor_->setMinimumHeight(90);
    pairGrid->addWidget(bEditor_, 8, 0, 1, 3);
    pairGrid->addWidget(BSaveBtn, 9, 1);
    pairGrid->addWidget(BLoadBtn, 9, 2);
    grid->addWidget(pairs, 1, 0, 1, 2);

    connect(BLEdit, &QLineEdit::textChanged, this, [this] { UpdateBracketButtons(); });
    connect(BREdit, &QLineEdit::textChanged, this, [this] { UpdateBracketButtons(); });
    connect(BLb, &QListWidget::currentRowChanged, this, [this] { BLbClick(); });
    connect(BNewBtn, &QPushButton::clicked, this, &TOptionDlg::BNewBtnClick);
    connect(BChangeBtn, &QPushButton::clicked, this, &TOptionDlg::BChangeBtnClick);
    connect(BDelBtn, &QPushButton::clicked, this, &TOptionDlg::BDelBtnClick);
    connect(BSaveBtn, &QPushButton::clicked, this, &TOptionDlg::BSaveBtnClick);
    connect(BLoadBtn, &QPushButton::clicked, this, &TOptionDlg::BLoadBtnClick);
    return page;
}

void TOptionDlg::RefreshBrackets() {
    const TEditorBracketCollection& list = Brackets();
    const QSignalBlocker blocker(BLb);
    BLb->clear();
    std::string preview;
    for (int i = 0; i < list.Count(); ++i) {
        const TEditorBracketItem& item = list.Items(i);
        BLb->addItem(Ui(item.LeftBracket()) + U(" … ") + Ui(item.RightBracket()));
        if (i > 0) {
            preview += "\r\n";
        }
        preview += item.LeftBracket() + kSampleWord + item.RightBracket();
    }
    bEditor_->Lines().SetText(preview);
    UpdateBracketButtons();
}

void TOptionDlg::UpdateBracketButtons() {
    const bool selected = BLb->currentRow() >= 0;
    BChangeBtn->setEnabled(selected);
    BDelBtn->setEnabled(selected);
    BNewBtn->setEnabled(!BLEdit->text().isEmpty() && !BREdit->text().isEmpty());
    BSaveBtn->setEnabled(Brackets().Count() > 0);
}

void TOptionDlg::BLbClick() {
    const int i = BLb->currentRow();
    if (i >= 0 && i < Brackets().Count()) {
        const TEditorBracketItem& item = Brackets().Items(i);
        BLEdit->setText(Ui(item.LeftBracket()));
        BREdit->setText(Ui(item.RightBracket()));
        BCcb->SetValue(item.ItemColor().Color());
        BBCcb->SetValue(item.ItemColor().BkColor());
        const TFontStyles style = item.ItemColor().Style();
        BBoldCb->setChecked((style & fsBold) != 0);
        BItalicCb->setChecked((style & fsItalic) != 0);
        BUnderLineCb->setChecked((style & fsUnderline) != 0);
    }
    UpdateBracketButtons();
}

void TOptionDlg::FillPair(TEditorBracketItem& item) const {
    item.SetLeftBracket(Cp932(BLEdit->text()));
    item.SetRightBracket(Cp932(BREdit->text()));
    item.ItemColor().SetBkColor(BBCcb->Value());
    item.ItemColor().SetColor(BCcb->Value());
    TFontStyles style = 0;
    style |= BBoldCb->isChecked() ? fsBold : 0;
    style |= BItalicCb->isChecked() ? fsItalic : 0;
    style |= BUnderLineCb->isChecked() ? fsUnderline : 0;
    item.ItemColor().SetStyle(style);
}

void TOptionDlg::BNewBtnClick() {
    TEditorBracketCollection& list = bEditor_->View().Brackets();
    try {
        // Filled inside one update, so the preview is rescanned with the
        // pair complete.
        list.BeginUpdate();
        FillPair(list.Add());
        list.EndUpdate();
    } catch (const EditorError& error) {
        list.EndUpdate();
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
        return;
    }
    RefreshBrackets();
}

void TOptionDlg::BChangeBtnClick() {
    TEditorBracketCollection& list = bEditor_->View().Brackets();
    const int i = BLb->currentRow();
    if (i < 0 || i >= list.Count()) {
        return;
    }
    // The pairs' own setters report nothing; the update's end reports the
    // list changed, which rescans the preview.
    list.BeginUpdate();
    FillPair(list.Items(i));
    list.EndUpdate();
    RefreshBrackets();
}

void TOptionDlg::BDelBtnClick() {
    TEditorBracketCollection& list = bEditor_->View().Brackets();
    const int i = BLb->currentRow();
    if (i >= 0 && i < list.Count()) {
        list.Delete(i);
        RefreshBrackets();
    }
}

void TOptionDlg::BSaveBtnClick() {
    const QString path =
        QFileDialog::getSaveFileName(this, U("囲み文字ﾘｽﾄの保存"), QString(), U(kListFilter));
    if (path.isEmpty()) {
        return;
    }
    try {
        SaveEnclosingList(path.toStdString(), Brackets());
    } catch (const std::exception& error) {
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
    }
}

void TOptionDlg::BLoadBtnClick() {
    const QString path =
        QFileDialog::getOpenFileName(this, U("囲み文字ﾘｽﾄの呼び出し"), QString(), U(kListFilter));
    if (path.isEmpty()) {
        return;
    }
    TEditorBracketCollection& list = bEditor_->View().Brackets();
    try {
        if (!LoadEnclosingList(path.toStdString(), list)) {
            QMessageBox::critical(this, windowTitle(),
                                  QString::fromStdString(NotAListMessage(path.toStdString())));
            return;
        }
    } catch (const std::exception& error) {
        // The pairs read before the failure stay, as the list shows.
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
    }
    RefreshBrackets();
}

} // namespace mojiro
