// The dialog's frame: its pages and buttons, the exchange with the window,
// and what it stores itself on OK.
#include "settings/dialog/OptionDlg.h"

#include "editor/control/TEditor.h"
#include "settings/SettingsTable.h"
#include "settings/dialog/ColorComboBox.h"
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/FixedPitchFonts.h"
#include "settings/dialog/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace mojiro {

using namespace option_dialog;

namespace {

// Help contexts of the six pages, in page order.
constexpr int kHelpContexts[] = {21, 33, 34, 22, 23, 24};

// Memo text as the wrap options hold it: CP932 with CR LF line breaks.
std::string MemoText(const QPlainTextEdit* memo) {
    QString text = memo->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return Cp932(text);
}

} // namespace

TOptionDlg::TOptionDlg(QWidget* parent, SettingsStore& store, const TEditorProp& prop,
                       const TEditorBracketCollection& brackets, const TOptionDlgValues& values,
                       HelpHandler showHelp, DateFormatter formatNow)
    : QDialog(parent), store_(store), showHelp_(std::move(showHelp)),
      formatNow_(std::move(formatNow)) {
    setWindowTitle(U("設定"));
    setModal(true);

    smpEditor_ = new TEditor(this);
    smpEditor_->setObjectName(QStringLiteral("SmpEditor"));
    prop.AssignTo(*smpEditor_);
    bEditor_ = new TEditor(this);
    bEditor_->setObjectName(QStringLiteral("BEditor"));
    prop.AssignTo(*bEditor_);
    bEditor_->View().SetBrackets(brackets);
    bEditor_->SetReadOnly(true);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    pages_->addTab(BuildFormatPage(), U("書式1"));
    pages_->addTab(BuildBracketPage(), U("書式2"));
    pages_->addTab(BuildRulesPage(), U("禁則・表題部など"));
    pages_->addTab(BuildFolderPage(), U("ﾌｫﾙﾀﾞ"));
    pages_->addTab(BuildFilePage(), U("ﾌｧｲﾙ"));
    pages_->addTab(BuildOtherPage(), U("その他"));

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(U("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(U("ｷｬﾝｾﾙ(&C)"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* help = buttons->addButton(U("ﾍﾙﾌﾟ(&H)"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpBtn"));
    connect(ok, &QPushButton::clicked, this, &TOptionDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TOptionDlg::HelpBtnClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    Fill(prop, values);
    FormShow();
    loading_ = false;
}

TOptionDlg::~TOptionDlg() = default;

// What the window gives the dialog before it is shown.
void TOptionDlg::Fill(const TEditorProp& prop, const TOptionDlgValues& values) {
    LineLenSp->setValue(values.lineLength);
    LineMarginRg->SetItemIndex(values.lineMargin);
    marks_ = {values.space, values.spaceColor, values.tab, values.tabColor};
    MyLineLenSp[0]->setValue(values.myLineLen1);
    MyLineLenSp[1]->setValue(values.myLineLen2);
    MyLineLenSp[2]->setValue(values.myLineLen3);

    TitleCb->setChecked(values.titleAble);
    TitleRg->SetItemIndex(values.titleIndex);
    TitleTopLetterEdit->setText(Ui(values.titleTopLetter));
    EndCb->setChecked(values.endAble);
    EndRg->SetItemIndex(values.endIndex);
    EndTopLetterEdit->setText(Ui(values.endTopLetter));

    const TEditorWrapOption& wrap = prop.WrapOption();
    KinsokuCb->setChecked(wrap.Leading());
    GyoutouMemo->setPlainText(Ui(wrap.FollowStr()));
    GyoumatuMemo->setPlainText(Ui(wrap.LeadStr()));
    CRHangCb->setChecked(wrap.FollowRetMark());
    PuncCb->setChecked(wrap.FollowPunctuation());
    PuncMemo->setPlainText(Ui(wrap.PunctuationStr()));
    WordBreakCb->setChecked(wrap.WordBreak());

    FileNameEnableCb->setChecked(values.titleEnable);
    FileNameRg->SetItemIndex(values.titleEnableIndex);
    TitleGyoumeSp->setValue(values.titleGyoume);
    FileNameLetterEdit->setText(Ui(values.titleEnableLetter));
    FileNameDateRg->SetItemIndex(values.fileNameIndex);

    const int tabs = prop.Caret().TabSpaceCount();
    TabRg->SetItemIndex(tabs == 2 ? 0 : tabs == 4 ? 1 : tabs == 8 ? 2 : -1);
    TodayRg->SetItemIndex(values.todayIndex);
    CursorRg->SetItemIndex(values.caretStyle == TEditorCaretStyle::csBrief ? 1 : 0);
    IMERg->SetItemIndex(values.imeHiragana ? 0 : 1);
    AutoIndentCb->setChecked(values.autoIndent);
    FreeCaretCb->setChecked(values.freeCaret);
}

void TOptionDlg::OKBtnClick() {
    try {
        OpenStore open(store_);
        for (int g = 0; g < 2; ++g) {
            const QListWidget* list = folders_[static_cast<std::size_t>(g)].list;
            for (int n = 0; n < 10; ++n) {
                const std::string folder = n < list->count() ? Cp932(list->item(n)->text()) : "";
                if (g == 0) {
                    WriteSetting(store_, TextSetting{"Folder", "DirectOpen"}, n, folder);
                } else {
                    WriteSetting(store_, TextSetting{"Folder", "DirectSave"}, n, folder);
                }
            }
        }
        WriteSetting(store_, BoolSetting{"File", "InitialLoadEnable"},
                     InitialLoadFileCb->isChecked());
        WriteSetting(store_, TextSetting{"File", "InitialLoadFile"},
                     Cp932(InitialLoadFileEdit->text()));
        WriteSetting(store_, BoolSetting{"File", "Shousai"}, FileOpenStyleRg->ItemIndex() != 0);
        WriteSetting(store_, BoolSetting{"File", "BuckupEnable"}, BuckUpCb->isChecked());
        WriteSetting(store_, TextSetting{"Option", "TodayLetter"}, Cp932(TodayEdit->text()));
        WriteSetting(store_, BoolSetting{"Option", "IMEMode"}, IMERg->ItemIndex() == 0);
    } catch (const SettingsError& error) {
        // The dialog stays open, so nothing the user chose is lost.
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
        return;
    }
    accept();
}

int TOptionDlg::HelpContext() const {
    const int page = pages_->currentIndex();
    return page >= 0 && page < 6 ? kHelpContexts[page] : kHelpContexts[0];
}

void TOptionDlg::HelpBtnClick() {
    if (showHelp_) {
        showHelp_(HelpContext());
    }
}

void TOptionDlg::AssignPropTo(TEditorProp& prop) const {
    prop.AssignFrom(*smpEditor_);
    prop.View().SetBrackets(Brackets());

    TEditorWrapOption& wrap = prop.WrapOption();
    wrap.BeginUpdate();
    wrap.SetLeading(KinsokuCb->isChecked());
    wrap.SetFollowStr(MemoText(GyoutouMemo));
    wrap.SetLeadStr(MemoText(GyoumatuMemo));
    wrap.SetFollowRetMark(CRHangCb->isChecked());
    wrap.SetFollowPunctuation(PuncCb->isChecked());
    wrap.SetPunctuationStr(MemoText(PuncMemo));
    wrap.SetWordBreak(WordBreakCb->isChecked());
    wrap.EndUpdate();

    const TOptionDlgValues values = Values();
    prop.Caret().SetStyle(values.caretStyle);
    prop.Caret().SetAutoIndent(values.autoIndent);
    prop.Caret().SetFreeCaret(values.freeCaret);
}

const TEditorBracketCollection& TOptionDlg::Brackets() const {
    return bEditor_->View().Brackets();
}

TOptionDlgValues TOptionDlg::Values() const {
    TOptionDlgValues v;
    v.lineLength = LineLenSp->value();
    v.lineMargin = LineMarginRg->ItemIndex();
    v.space = marks_.space;
    v.spaceColor = marks_.spaceColor;
    v.tab = marks_.tab;
    v.tabColor = marks_.tabColor;
    v.myLineLen1 = MyLineLenSp[0]->value();
    v.myLineLen2 = MyLineLenSp[1]->value();
    v.myLineLen3 = MyLineLenSp[2]->value();
    v.titleAble = TitleCb->isChecked();
    v.titleIndex = TitleRg->ItemIndex();
    v.titleTopLetter = Cp932(TitleTopLetterEdit->text());
    v.endAble = EndCb->isChecked();
    v.endIndex = EndRg->ItemIndex();
    v.endTopLetter = Cp932(EndTopLetterEdit->text());
    v.todayIndex = TodayRg->ItemIndex();
    v.titleEnable = FileNameEnableCb->isChecked();
    v.titleEnableIndex = FileNameRg->ItemIndex();
    v.titleGyoume = TitleGyoumeSp->value();
    v.titleEnableLetter = Cp932(FileNameLetterEdit->text());
    v.fileNameIndex = FileNameDateRg->ItemIndex();
    v.detailedFileList = FileOpenStyleRg->ItemIndex() != 0;
    v.caretStyle =
        CursorRg->ItemIndex() == 1 ? TEditorCaretStyle::csBrief : TEditorCaretStyle::csDefault;
    v.imeHiragana = IMERg->ItemIndex() == 0;
    v.autoIndent = AutoIndentCb->isChecked();
    v.freeCaret = FreeCaretCb->isChecked();
    return v;
}

// Initialises what the window does not give: the sample texts, the colour
// and mark controls, the enabling rules and the values the dialog keeps in
// the store itself.
void TOptionDlg::FormShow() {
    const QStringList families = FixedPitchFamilies();
    FontLb->addItems(families);
    const QList<QListWidgetItem*> current =
        FontLb->findItems(Ui(smpEditor_->Font().name), Qt::MatchExactly);
    FontLb->setCurrentItem(current.isEmpty() ? nullptr : current.front());
    FontSizeSp->setValue(smpEditor_->Font().size);

    ComEdit->setText(Ui(smpEditor_->View().Commenter()));
    BuildPreview();
    for (int k = 1; k <= 8; ++k) {
        sameAsStandard_[static_cast<std::size_t>(k)] = SameAsStandardNow(k);
    }
    ColorStyleCb->setCurrentIndex(0);
    ColorStyleCbChange();
    MarkCB->setCurrentIndex(0);
    MarkCbChange();

    RefreshBrackets();
    BCcb->SetValue(clActiveCaption);
    BBCcb->SetValue(clWindow);
    UpdateRuleControls();

    OpenStore open(store_);
    for (int n = 0; n < 10; ++n) {
        const std::string openFolder = ReadSetting(store_, TextSetting{"Folder", "DirectOpen"}, n);
        if (!openFolder.empty()) {
            folders_[0].list->addItem(Ui(openFolder));
        }
        const std::string saveFolder = ReadSetting(store_, TextSetting{"Folder", "DirectSave"}, n);
        if (!saveFolder.empty()) {
            folders_[1].list->addItem(Ui(saveFolder));
        }
    }
    UpdateFolderButtons(0);
    UpdateFolderButtons(1);

    InitialLoadFileCb->setChecked(ReadSetting(store_, BoolSetting{"File", "InitialLoadEnable"}));
    InitialLoadFileEdit->setText(Ui(ReadSetting(store_, TextSetting{"File", "InitialLoadFile"})));
    FileOpenStyleRg->SetItemIndex(ReadSetting(store_, BoolSetting{"File", "Shousai"}) ? 1 : 0);
    BuckUpCb->setChecked(ReadSetting(store_, BoolSetting{"File", "BuckupEnable"}));
    RecentFileClearBtn->setEnabled(
        !ReadSetting(store_, TextSetting{"File", "RecentFile"}, 1).empty());
    TodayEdit->setText(Ui(ReadSetting(store_, TextSetting{"Option", "TodayLetter"})));
    TodayEditChange();
    TodayRgClick();
    UpdateFileControls();
}

} // namespace mojiro
