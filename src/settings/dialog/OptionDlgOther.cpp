// Page "その他": the date format, the tab width, the caret and the input
// method.
#include "editor/control/TEditor.h"
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/OptionDlg.h"
#include "settings/dialog/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace mojiro {

using namespace option_dialog;

namespace {

constexpr const char* kSampleCaption = "実際の表示例: ";
constexpr const char* kGuide = "【主な書式】＝詳しくはヘルプを参照\n"
                               "aaaaまたはdddd\t曜日を表示（日曜日～土曜日）\n"
                               "c\t年月日時分秒を「xx/xx/xx xx:xx:xx」で表示(いずれも2桁)\n"
                               "ddddd\t年月日を「xx/xx/xx」で表示(いずれも2桁)\n"
                               "dddddd\t年月日を「xxxx年x月x日」で表示(年は4桁、月日は1～2桁)\n"
                               "mmmm\t月を「月」付きで表示（1月～12月）\n"
                               "h\t時を表示（0～23）\n"
                               "ampm\thまたはhhを12時間形式にして、「午前」または「午後」を表示\n"
                               "\"\"または''で囲んだ文字はそのまま表示";

// Tab widths of the three TabRg items.
constexpr int kTabWidths[] = {2, 4, 8};

} // namespace

QWidget* TOptionDlg::BuildOtherPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* today = new QWidget(page);
    auto* todayLayout = new QVBoxLayout(today);
    TodayRg = new TRadioGroup(U("日付の挿入"),
                              {U("日付のみ漢数字で"), U("日付のみ洋数字で"), U("ﾕｰｻﾞｰ指定書式")}, 1,
                              today);
    TodayRg->setObjectName(QStringLiteral("TodayRg"));
    TodayEdit = new QLineEdit(today);
    TodayEdit->setObjectName(QStringLiteral("TodayEdit"));
    TodayLabel = new QLabel(U("実際の表示例 ： "), today);
    TodayLabel->setObjectName(QStringLiteral("TodayLabel"));
    auto* guide = new QLabel(U(kGuide), today);
    guide->setObjectName(QStringLiteral("TodayGuideLabel"));
    todayLayout->addWidget(TodayRg);
    todayLayout->addWidget(new QLabel(U("ﾕｰｻﾞｰ指定書式の設定"), today));
    todayLayout->addWidget(TodayEdit);
    todayLayout->addWidget(TodayLabel);
    todayLayout->addWidget(guide);
    grid->addWidget(today, 0, 0, 4, 1);

    TabRg = new TRadioGroup(U("ﾀﾌﾞの文字数"), {U("1"), U("2"), U("4")}, 3, page);
    TabRg->setObjectName(QStringLiteral("TabRg"));
    CursorRg = new TRadioGroup(U("ｶｰｿﾙの形"), {U("｜"), U("＿")}, 1, page);
    CursorRg->setObjectName(QStringLiteral("CursorRg"));
    IMERg = new TRadioGroup(U("起動時のIMEﾓｰﾄﾞ"), {U("ひらがなにする"), U("ひらがなにしない")}, 1,
                            page);
    IMERg->setObjectName(QStringLiteral("IMERg"));
    AutoIndentCb = new QCheckBox(U("ｵｰﾄｲﾝﾃﾞﾝﾄ"), page);
    AutoIndentCb->setObjectName(QStringLiteral("AutoIndentCb"));
    FreeCaretCb = new QCheckBox(U("ﾌﾘｰｶｰｿﾙ"), page);
    FreeCaretCb->setObjectName(QStringLiteral("FreeCaretCb"));
    grid->addWidget(TabRg, 0, 1);
    grid->addWidget(CursorRg, 1, 1);
    grid->addWidget(IMERg, 2, 1);
    grid->addWidget(AutoIndentCb, 3, 1);
    grid->addWidget(FreeCaretCb, 4, 1);

    connect(TodayRg, &TRadioGroup::Clicked, this, [this] { TodayRgClick(); });
    connect(TodayEdit, &QLineEdit::textChanged, this, [this] { TodayEditChange(); });
    connect(TabRg, &TRadioGroup::Clicked, this,
            [this](int index) { smpEditor_->Caret().SetTabSpaceCount(kTabWidths[index]); });
    return page;
}

void TOptionDlg::TodayRgClick() {
    const bool user = TodayRg->ItemIndex() == 2;
    TodayEdit->setEnabled(user);
    TodayLabel->setEnabled(user);
}

void TOptionDlg::TodayEditChange() {
    const std::string sample = formatNow_ ? formatNow_(Cp932(TodayEdit->text())) : std::string();
    TodayLabel->setText(U(kSampleCaption) + Ui(sample));
}

} // namespace mojiro
