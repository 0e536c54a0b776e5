// Page "禁則・表題部など": the line-breaking rules and the separators that
// find an article's title part and end part.
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/HiraganaInput.h"
#include "settings/dialog/OptionDlg.h"
#include "settings/dialog/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace mojiro {

using namespace option_dialog;

namespace {

// The newspaper's kinsoku sets, which the reset buttons restore.
// !%),.:;?]}｡｣､･ｧｨｩｪｫｬｭｮｯｰﾞﾟ、。，．・：；？！゛゜ヽヾゝゞ々ー’”）〕］｝〉》」』】°′″℃￠％‰ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ
constexpr const char* kFollowStr =
    "!%),.:;?]}"
    "\xA1\xA3\xA4\xA5\xA7\xA8\xA9\xAA\xAB\xAC\xAD\xAE\xAF\xB0\xDE\xDF\x81\x41\x81\x42"
    "\x81\x43\x81\x44\x81\x45\x81\x46\x81\x47\x81\x48\x81\x49\x81\x4A\x81\x4B\x81\x52"
    "\x81\x53\x81\x54\x81\x55\x81\x58\x81\x5B\x81\x66\x81\x68\x81\x6A\x81\x6C\x81\x6E"
    "\x81\x70\x81\x72\x81\x74\x81\x76\x81\x78\x81\x7A\x81\x8B\x81\x8C\x81\x8D\x81\x8E"
    "\x81\x91\x81\x93\x81\xF1\x82\x9F\x82\xA1\x82\xA3\x82\xA5\x82\xA7\x82\xC1\x82\xE1"
    "\x82\xE3\x82\xE5\x82\xEC\x83\x40\x83\x42\x83\x44\x83\x46\x83\x48\x83\x62\x83\x83"
    "\x83\x85\x83\x87\x83\x8E\x83\x95\x83\x96";
// $([{｢‘“（〔［｛〈《「『【￥＄￡
constexpr const char* kLeadStr =
    "$([{"
    "\xA2\x81\x65\x81\x67\x81\x69\x81\x6B\x81\x6D\x81\x6F\x81\x71\x81\x73\x81\x75\x81\x77\x81\x79"
    "\x81\x8F\x81\x90\x81\x92";
// ,.｡､、。，．
constexpr const char* kPunctuationStr = ",.\xA1\xA4\x81\x41\x81\x42\x81\x43\x81\x44";

// One part's rule: a check box, the two separators and the marker edit.
TRadioGroup* PartRule(QWidget* parent, const QString& title, QLineEdit*& marker) {
    auto* group = new TRadioGroup(title, {U("改行のみの行"), QString()}, 1, parent);
    marker = new QLineEdit(group);
    StartInHiragana(marker);
    group->ItemLine(1)->addWidget(marker);
    group->ItemLine(1)->addWidget(new QLabel(U("で始まる行"), group));
    return group;
}

QPlainTextEdit* Memo(QWidget* parent, const QString& name) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setMaximumHeight(60);
    return memo;
}

} // namespace

QWidget* TOptionDlg::BuildRulesPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    TitleCb = new QCheckBox(U("表題部を行数に含めない"), page);
    TitleCb->setObjectName(QStringLiteral("TitleCb"));
    TitleRg = PartRule(page, U("表題部と本文の区切り"), TitleTopLetterEdit);
    TitleRg->setObjectName(QStringLiteral("TitleRg"));
    TitleTopLetterEdit->setObjectName(QStringLiteral("TitleTopLetterEdit"));
    EndCb = new QCheckBox(U("終端部を行数に含めない"), page);
    EndCb->setObjectName(QStringLiteral("EndCb"));
    EndRg = PartRule(page, U("本文と終端部の区切り"), EndTopLetterEdit);
    EndRg->setObjectName(QStringLiteral("EndRg"));
    EndTopLetterEdit->setObjectName(QStringLiteral("EndTopLetterEdit"));
    grid->addWidget(TitleCb, 0, 0);
    grid->addWidget(TitleRg, 1, 0);
    grid->addWidget(EndCb, 0, 1);
    grid->addWidget(EndRg, 1, 1);

    auto* kinsoku = new QGroupBox(U("禁則処理"), page);
    auto* kinsokuGrid = new QGridLayout(kinsoku);
    KinsokuCb = new QCheckBox(U("追い出し禁則処理を行う"), kinsoku);
    KinsokuCb->setObjectName(QStringLiteral("KinsokuCb"));
    GyoutouMemo = Memo(kinsoku, QStringLiteral("GyoutouMemo"));
    GyoumatuMemo = Memo(kinsoku, QStringLiteral("GyoumatuMemo"));
    auto* kinsokuReset = new QPushButton(U("初期化(&D)"), kinsoku);
    kinsokuReset->setObjectName(QStringLiteral("KinsokuShokikaBtn"));
    PuncCb = new QCheckBox(U("句読点などをぶら下げる"), kinsoku);
    PuncCb->setObjectName(QStringLiteral("PuncCb"));
    PuncMemo = Memo(kinsoku, QStringLiteral("PuncMemo"));
    auto* puncReset = new QPushButton(U("初期化(&D)"), kinsoku);
    puncReset->setObjectName(QStringLiteral("PuncShokikaBtn"));
    WordBreakCb = new QCheckBox(U("英文ﾜｰﾄﾞﾗｯﾌﾟを行う"), kinsoku);
    WordBreakCb->setObjectName(QStringLiteral("WordBreakCb"));
    CRHangCb = new QCheckBox(U("改行ﾏｰｸのぶら下げ"), kinsoku);
    CRHangCb->setObjectName(QStringLiteral("CRHangCb"));

    auto* gyoutouLabel = new QLabel(U("行頭禁則文字(&T)"), kinsoku);
    gyoutouLabel->setBuddy(GyoutouMemo);
    auto* gyoumatuLabel = new QLabel(U("行末禁則文字(&E)"), kinsoku);
    gyoumatuLabel->setBuddy(GyoumatuMemo);
    auto* puncLabel = new QLabel(U("ぶら下げる文字(&P)"), kinsoku);
    puncLabel->setBuddy(PuncMemo);
    kinsokuGrid->addWidget(KinsokuCb, 0, 0);
    kinsokuGrid->addWidget(kinsokuReset, 0, 1);
    kinsokuGrid->addWidget(gyoutouLabel, 1, 0);
    kinsokuGrid->addWidget(GyoutouMemo, 2, 0, 1, 2);
    kinsokuGrid->addWidget(gyoumatuLabel, 3, 0);
    kinsokuGrid->addWidget(GyoumatuMemo, 4, 0, 1, 2);
    kinsokuGrid->addWidget(PuncCb, 5, 0);
    kinsokuGrid->addWidget(puncReset, 5, 1);
    kinsokuGrid->addWidget(puncLabel, 6, 0);
    kinsokuGrid->addWidget(PuncMemo, 7, 0, 1, 2);
    kinsokuGrid->addWidget(WordBreakCb, 8, 0);
    kinsokuGrid->addWidget(CRHangCb, 8, 1);
    grid->addWidget(kinsoku, 2, 0, 1, 2);

    for (QCheckBox* box : {TitleCb, EndCb, KinsokuCb, PuncCb}) {
        connect(box, &QCheckBox::toggled, this, [this] { UpdateRuleControls(); });
    }
    connect(TitleRg, &TRadioGroup::Clicked, this, [this] { UpdateRuleControls(); });
    connect(EndRg, &TRadioGroup::Clicked, this, [this] { UpdateRuleControls(); });
    connect(kinsokuReset, &QPushButton::clicked, this, [this] {
        GyoutouMemo->setPlainText(Ui(kFollowStr));
        GyoumatuMemo->setPlainText(Ui(kLeadStr));
    });
    connect(puncReset, &QPushButton::clicked, this,
            [this] { PuncMemo->setPlainText(Ui(kPunctuationStr)); });
    return page;
}

void TOptionDlg::UpdateRuleControls() {
    TitleRg->setEnabled(TitleCb->isChecked());
    TitleTopLetterEdit->setEnabled(TitleCb->isChecked() && TitleRg->ItemIndex() == 1);
    EndRg->setEnabled(EndCb->isChecked());
    EndTopLetterEdit->setEnabled(EndCb->isChecked() && EndRg->ItemIndex() == 1);
    GyoutouMemo->setEnabled(KinsokuCb->isChecked());
    GyoumatuMemo->setEnabled(KinsokuCb->isChecked());
    PuncMemo->setEnabled(PuncCb->isChecked());
}

} // namespace mojiro
